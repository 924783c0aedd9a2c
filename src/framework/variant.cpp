#include "variant.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ulmaro {

Variant::Variant(std::shared_ptr<StdFont> f) {
    if (f)
        v_ = std::move(f);
    else
        v_ = Nothing{};
}

Variant::Variant(std::shared_ptr<StdPicture> p) {
    if (p)
        v_ = std::move(p);
    else
        v_ = Nothing{};
}

Variant::Variant(std::shared_ptr<Control> o) {
    if (o)
        v_ = std::move(o);
    else
        v_ = Nothing{};
}

Variant Variant::nothing() {
    Variant v;
    v.v_ = Nothing{};
    return v;
}

VarType Variant::type() const {
    switch (v_.index()) {
        case 0: return VarType::Empty;
        case 1: return VarType::Integer;
        case 2: return VarType::Long;
        case 3: return VarType::Single;
        case 4: return VarType::Double;
        case 5: return VarType::String;
        case 6: return VarType::Boolean;
        case 7: return VarType::Font;
        case 8: return VarType::Picture;
        case 10: return VarType::Object;
        default: return VarType::Nothing;
    }
}

bool Variant::isNumeric() const {
    VarType t = type();
    return t == VarType::Integer || t == VarType::Long || t == VarType::Single || t == VarType::Double ||
           t == VarType::Boolean || t == VarType::Empty;
}

bool Variant::isObject() const {
    VarType t = type();
    return t == VarType::Font || t == VarType::Picture || t == VarType::Nothing || t == VarType::Object;
}

double roundHalfEven(double v) {
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    return std::nearbyint(v);
}

std::int16_t toInteger(double v) {
    double r = roundHalfEven(v);
    if (std::isnan(r) || r < -32768.0 || r > 32767.0) throw RuntimeError(errors::Overflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t toLong(double v) {
    double r = roundHalfEven(v);
    if (std::isnan(r) || r < -2147483648.0 || r > 2147483647.0) throw RuntimeError(errors::Overflow);
    return static_cast<std::int32_t>(r);
}

namespace {

bool parseHex(const std::string& s, std::size_t start, Variant& out) {
    if (start >= s.size() || s.size() - start > 8) return false;
    std::uint32_t v = 0;
    for (std::size_t i = start; i < s.size(); ++i) {
        char c = s[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    // Up to four digits make an Integer (&HFFFF is -1), more make a Long (&HFFFFFFFF is -1).
    if (s.size() - start <= 4)
        out = Variant(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    else
        out = Variant(static_cast<std::int32_t>(v));
    return true;
}

}  // namespace

bool parseNumber(const std::string& text, Variant& out) {
    std::string s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.erase(s.begin());
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    if (s.empty()) return false;
    std::size_t signLen = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (s.size() > signLen + 1 && s[signLen] == '&' && (s[signLen + 1] == 'H' || s[signLen + 1] == 'h')) {
        Variant v;
        if (!parseHex(s, signLen + 2, v)) return false;
        if (s[0] == '-') v = Variant(-static_cast<double>(v.toInt32()));
        out = v;
        return true;
    }
    // Decimal: digits, optional fraction, optional exponent; nothing else.
    std::size_t i = signLen;
    bool digits = false, fraction = false, exponent = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
    if (i < s.size() && s[i] == '.') {
        fraction = true;
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
    }
    if (!digits) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        exponent = true;
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        bool expDigits = false;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, expDigits = true;
        if (!expDigits) return false;
    }
    if (i != s.size()) return false;
    double d = std::strtod(s.c_str(), nullptr);
    if (!fraction && !exponent && d >= -32768.0 && d <= 32767.0)
        out = Variant(static_cast<std::int16_t>(d));
    else if (!fraction && !exponent && d >= -2147483648.0 && d <= 2147483647.0)
        out = Variant(static_cast<std::int32_t>(d));
    else
        out = Variant(d);
    return true;
}

namespace {

std::string formatSignificant(double d, int digits) {
    if (d == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, d);
    std::string s = buf;
    // Drop trailing zeros of a fraction, keeping any exponent.
    std::size_t e = s.find('E');
    std::string mantissa = e == std::string::npos ? s : s.substr(0, e);
    std::string exp = e == std::string::npos ? "" : s.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    if (!exp.empty()) {
        // The language writes exponents as E+NN / E-NN.
        char sign = exp[1];
        std::string num = exp.substr(2);
        while (num.size() > 2 && num[0] == '0') num.erase(num.begin());
        exp = std::string("E") + sign + num;
    }
    return mantissa + exp;
}

}  // namespace

std::string formatSingle(float f) { return formatSignificant(f, 7); }
std::string formatDouble(double d) { return formatSignificant(d, 15); }

bool Variant::toBool() const {
    switch (type()) {
        case VarType::Empty: return false;
        case VarType::Boolean: return std::get<bool>(v_);
        case VarType::String: {
            const std::string& s = std::get<std::string>(v_);
            std::string l;
            for (char c : s) l += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (l == "true") return true;
            if (l == "false") return false;
            Variant n;
            if (!parseNumber(s, n)) throw RuntimeError(errors::TypeMismatch);
            return n.toDouble() != 0;
        }
        default:
            if (isObject()) throw RuntimeError(errors::TypeMismatch);
            return toDouble() != 0;
    }
}

double Variant::toDouble() const {
    switch (type()) {
        case VarType::Empty: return 0;
        case VarType::Integer: return std::get<std::int16_t>(v_);
        case VarType::Long: return std::get<std::int32_t>(v_);
        case VarType::Single: return std::get<float>(v_);
        case VarType::Double: return std::get<double>(v_);
        case VarType::Boolean: return std::get<bool>(v_) ? -1 : 0;
        case VarType::String: {
            Variant n;
            if (!parseNumber(std::get<std::string>(v_), n)) throw RuntimeError(errors::TypeMismatch);
            return n.toDouble();
        }
        default: throw RuntimeError(errors::TypeMismatch);
    }
}

std::int16_t Variant::toInt16() const { return toInteger(toDouble()); }
std::int32_t Variant::toInt32() const { return toLong(toDouble()); }

float Variant::toFloat() const {
    double d = toDouble();
    if (std::isfinite(d) && std::fabs(d) > 3.402823466e38) throw RuntimeError(errors::Overflow);
    return static_cast<float>(d);
}

OLE_COLOR Variant::toColor() const {
    double d = toDouble();
    double r = roundHalfEven(d);
    if (r >= 2147483648.0 && r <= 4294967295.0) return static_cast<OLE_COLOR>(r);
    return static_cast<OLE_COLOR>(toLong(d));
}

std::string Variant::toString() const {
    switch (type()) {
        case VarType::Empty: return "";
        case VarType::Integer: return std::to_string(std::get<std::int16_t>(v_));
        case VarType::Long: return std::to_string(std::get<std::int32_t>(v_));
        case VarType::Single: return formatSingle(std::get<float>(v_));
        case VarType::Double: return formatDouble(std::get<double>(v_));
        case VarType::Boolean: return std::get<bool>(v_) ? "True" : "False";
        case VarType::String: return std::get<std::string>(v_);
        default: throw RuntimeError(errors::TypeMismatch);
    }
}

std::shared_ptr<StdFont> Variant::toFont() const {
    if (type() == VarType::Nothing) return nullptr;
    if (type() != VarType::Font) throw RuntimeError(errors::TypeMismatch);
    return std::get<std::shared_ptr<StdFont>>(v_);
}

std::shared_ptr<StdPicture> Variant::toPicture() const {
    if (type() == VarType::Nothing) return nullptr;
    if (type() != VarType::Picture) throw RuntimeError(errors::TypeMismatch);
    return std::get<std::shared_ptr<StdPicture>>(v_);
}

std::shared_ptr<Control> Variant::toObject() const {
    if (type() == VarType::Nothing) return nullptr;
    if (type() != VarType::Object) throw RuntimeError(errors::TypeMismatch);
    return std::get<std::shared_ptr<Control>>(v_);
}

bool Variant::operator==(const Variant& o) const { return v_ == o.v_; }

}  // namespace ulmaro
