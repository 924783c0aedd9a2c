// Values as the controls take and give them: properties, method arguments and results,
// event arguments.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace ulmaro::api {

// What went wrong in a call: a run-time error a control raised (number() is its number:
// 9 subscript out of range, 6 overflow, ...) or a mistake of the caller (number() 0: no
// such class, control or member, a bad script line, a form file that cannot be read).
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, int number = 0) : std::runtime_error(message), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// A Boolean, a 16-bit Integer, a 32-bit Long, a Single, a Double or a string (UTF-8), or
// nothing at all. An object a control gives back (a font, a picture, a tooltip) comes as
// Object with the text the ulmaro command prints for it: the font's name, the picture's
// path, the object's class.
class Value {
public:
    enum class Type { Empty, Boolean, Integer, Long, Single, Double, String, Object };

    Value() = default;
    Value(bool b) : v_(b) {}
    Value(std::int16_t i) : v_(i) {}
    Value(int l) : v_(static_cast<std::int32_t>(l)) {}
    Value(float f) : v_(f) {}
    Value(double d) : v_(d) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(const char* s) : v_(std::string(s)) {}
    static Value object(std::string text);

    Type type() const;
    bool isEmpty() const { return type() == Type::Empty; }

    // Conversions as the controls make them: True is -1, numbers round to nearest with
    // halves to even, a string is read as a number. A value that does not convert throws
    // Error (13 type mismatch, 6 overflow).
    bool toBool() const;
    std::int32_t toLong() const;
    double toDouble() const;
    // Numbers in decimal, True / False, strings as they are, objects as their text.
    std::string toString() const;
    // As the ulmaro command prints it: strings in double quotes.
    std::string text() const;

    bool operator==(const Value& o) const { return v_ == o.v_; }
    bool operator!=(const Value& o) const { return !(v_ == o.v_); }

private:
    struct ObjectText {
        std::string text;
        bool operator==(const ObjectText& o) const { return text == o.text; }
    };
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, double, std::string, ObjectText> v_;
};

}  // namespace ulmaro::api
