// A variant's scalar value as JSON, as form files and the type library write it. Controls
// keep ANSI strings and JSON text is UTF-8, so strings are converted on the way out.
#pragma once

#include "framework/ansi_text.h"
#include "framework/variant.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace ulmaro {

// JSON has no infinities and no NaN, which a Single or Double property can hold: they are
// written as strings with the names JavaScript gives them, and read back from those.
inline const char* NonFiniteName(double d) {
    if (std::isnan(d)) return "NaN";
    return d > 0 ? "Infinity" : "-Infinity";
}

template <class Json>
std::optional<double> NonFiniteFromJson(const Json& v) {
    if (!v.is_string()) return std::nullopt;
    const auto& s = v.template get_ref<const std::string&>();
    if (s == "NaN") return std::numeric_limits<double>::quiet_NaN();
    if (s == "Infinity") return std::numeric_limits<double>::infinity();
    if (s == "-Infinity") return -std::numeric_limits<double>::infinity();
    return std::nullopt;
}

// Json is nlohmann's json or ordered_json; values that are not scalars give null.
template <class Json>
Json ScalarToJson(const Variant& v) {
    switch (v.type()) {
        case VarType::Boolean: return v.toBool();
        case VarType::Integer:
        case VarType::Long: return v.toInt32();
        case VarType::Single:
        case VarType::Double: {
            const double d = v.toDouble();
            if (!std::isfinite(d)) return NonFiniteName(d);
            return d;
        }
        case VarType::String: return Utf8FromAnsi(v.toString());
        default: return nullptr;
    }
}

}  // namespace ulmaro
