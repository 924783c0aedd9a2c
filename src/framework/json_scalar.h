// A variant's scalar value as JSON, as form files and the type library write it. Controls
// keep ANSI strings and JSON text is UTF-8, so strings are converted on the way out.
#pragma once

#include "framework/ansi_text.h"
#include "framework/variant.h"

namespace ulmaro {

// Json is nlohmann's json or ordered_json; values that are not scalars give null.
template <class Json>
Json ScalarToJson(const Variant& v) {
    switch (v.type()) {
        case VarType::Boolean: return v.toBool();
        case VarType::Integer:
        case VarType::Long: return v.toInt32();
        case VarType::Single:
        case VarType::Double: return v.toDouble();
        case VarType::String: return Utf8FromAnsi(v.toString());
        default: return nullptr;
    }
}

}  // namespace ulmaro
