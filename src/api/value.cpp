#include "value_conversion.h"

#include "app/value_text.h"
#include "framework/ansi_text.h"
#include "framework/runtime_error.h"

namespace ulmaro::api {

Value Value::object(std::string text) {
    Value v;
    v.v_ = ObjectText{std::move(text)};
    return v;
}

Value::Type Value::type() const { return static_cast<Type>(v_.index()); }

Variant toVariant(const Value& v) {
    switch (v.type()) {
        case Value::Type::Empty: return Variant();
        case Value::Type::Boolean: return Variant(v.toBool());
        case Value::Type::Integer: return Variant(static_cast<std::int16_t>(v.toLong()));
        case Value::Type::Long: return Variant(v.toLong());
        case Value::Type::Single: return Variant(static_cast<float>(v.toDouble()));
        case Value::Type::Double: return Variant(v.toDouble());
        // An object's text cannot become the object again; it goes in as its text.
        default: return Variant(AnsiFromUtf8(v.toString()));
    }
}

Variant toVariant(const Value& v, VarType type) {
    switch (type) {
        case VarType::Boolean: return Variant(v.toBool());
        case VarType::Integer: return Variant(toVariant(v).toInt16());
        case VarType::Long: return Variant(v.toLong());
        case VarType::Single: return Variant(static_cast<float>(v.toDouble()));
        case VarType::Double: return Variant(v.toDouble());
        default: return toVariant(v);
    }
}

Value fromVariant(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty: return Value();
        case VarType::Boolean: return Value(v.toBool());
        case VarType::Integer: return Value(v.toInt16());
        case VarType::Long: return Value(static_cast<int>(v.toInt32()));
        case VarType::Single: return Value(v.toFloat());
        case VarType::Double: return Value(v.toDouble());
        case VarType::String: return Value(Utf8FromAnsi(v.toString()));
        default: return Value::object(app::unquote(app::formatValue(v)));
    }
}

Value guarded(const std::function<Value()>& f) {
    try {
        return f();
    } catch (const RuntimeError& e) {
        throw Error(e.what(), e.number);
    }
}

// A value of the type asked for is read as it is; others convert with the library's rules.
template <class T, class Convert>
T convert(const Value& v, Convert c) {
    T result{};
    guarded([&] {
        result = c(toVariant(v));
        return Value();
    });
    return result;
}

bool Value::toBool() const {
    if (auto b = std::get_if<bool>(&v_)) return *b;
    return convert<bool>(*this, [](const Variant& x) { return x.toBool(); });
}

std::int32_t Value::toLong() const {
    if (auto l = std::get_if<std::int32_t>(&v_)) return *l;
    if (auto i = std::get_if<std::int16_t>(&v_)) return *i;
    return convert<std::int32_t>(*this, [](const Variant& x) { return x.toInt32(); });
}

double Value::toDouble() const {
    if (auto d = std::get_if<double>(&v_)) return *d;
    if (auto f = std::get_if<float>(&v_)) return *f;
    return convert<double>(*this, [](const Variant& x) { return x.toDouble(); });
}

std::string Value::toString() const {
    if (auto s = std::get_if<std::string>(&v_)) return *s;
    if (auto o = std::get_if<ObjectText>(&v_)) return o->text;
    return convert<std::string>(*this, [](const Variant& x) { return Utf8FromAnsi(x.toString()); });
}

std::string Value::text() const {
    if (auto o = std::get_if<ObjectText>(&v_)) return o->text;
    if (auto s = std::get_if<std::string>(&v_)) return app::quote(*s);
    return app::formatValue(toVariant(*this));
}

}  // namespace ulmaro::api
