// The Variant of the original language and its conversion rules: 16-bit Integer and 32-bit
// Long that overflow with error 6, Single and Double that become integers by rounding to
// nearest with halves to even, Boolean with True = -1, strings, and object references.
#pragma once

#include "ole_color.h"
#include "runtime_error.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace ulmaro {

class Control;
class StdFont;
class StdPicture;

// Object: a reference to one of the library's objects (a tooltip the collection hands out).
enum class VarType { Empty, Integer, Long, Single, Double, String, Boolean, Font, Picture, Nothing, Object };

class Variant {
public:
    Variant() = default;
    Variant(bool b) : v_(b) {}
    Variant(std::int16_t i) : v_(i) {}
    Variant(std::int32_t l) : v_(l) {}
    Variant(float f) : v_(f) {}
    Variant(double d) : v_(d) {}
    Variant(std::string s) : v_(std::move(s)) {}
    Variant(const char* s) : v_(std::string(s)) {}
    Variant(std::shared_ptr<StdFont> f);
    Variant(std::shared_ptr<StdPicture> p);
    Variant(std::shared_ptr<Control> o);
    static Variant nothing();

    VarType type() const;
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNumeric() const;
    bool isObject() const;

    // Conversions as the language's CBool, CInt, CLng, CSng, CDbl and CStr make them.
    bool toBool() const;
    std::int16_t toInt16() const;
    std::int32_t toInt32() const;
    float toFloat() const;
    double toDouble() const;
    std::string toString() const;
    // A colour: any Long, or a whole number up to &HFFFFFFFF, kept as its 32 bits.
    OLE_COLOR toColor() const;
    std::shared_ptr<StdFont> toFont() const;
    std::shared_ptr<StdPicture> toPicture() const;
    std::shared_ptr<Control> toObject() const;

    bool operator==(const Variant& o) const;

private:
    struct Nothing {
        bool operator==(const Nothing&) const = default;
    };
    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, std::string, bool,
                 std::shared_ptr<StdFont>, std::shared_ptr<StdPicture>, Nothing, std::shared_ptr<Control>>
        v_;
};

// Rounds to the nearest integer, halves to the even neighbour.
double roundHalfEven(double v);
std::int16_t toInteger(double v);  // CInt: error 6 outside -32768..32767
std::int32_t toLong(double v);     // CLng: error 6 outside the 32-bit range

// Parses a number as the language reads a numeric literal or string: decimal with an
// optional fraction and exponent, or &H hexadecimal (&H literals of up to 4 digits are
// Integers, longer ones Longs, as the language types them). Returns false if `s` is not one.
bool parseNumber(const std::string& s, Variant& out);

// Formats a Single or Double the way the language prints it (up to 7 or 15 significant
// digits, no trailing zeros, no leading space).
std::string formatSingle(float f);
std::string formatDouble(double d);

}  // namespace ulmaro
