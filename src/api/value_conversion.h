// Values of the public interface to and from the library's Variants. Strings cross as UTF-8
// outside and the ANSI code page inside, as they do for scripts.
#pragma once

#include "framework/dispatch.h"

#include <ulmaro/value.h>

#include <functional>

namespace ulmaro::api {

Variant toVariant(const Value& v);
// The same converted to a parameter's type, as the language converts on assignment.
Variant toVariant(const Value& v, VarType type);
// Objects (fonts, pictures, tooltips) become Object values with their printed text.
Value fromVariant(const Variant& v);
// Runs `f`, turning a control's run-time error into Error with its number and a value that
// does not convert into Error 13.
Value guarded(const std::function<Value()>& f);

}  // namespace ulmaro::api
