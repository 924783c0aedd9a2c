// The caption of a progress bar: a number chosen by the caption type, put into a template
// whose "%Val", "%Max" and "%Min" placeholders match in any letter case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ulmaro {

// The caption for `Value` between `Min` and `Max` (Max above Min). The fraction shown is
// Value / (Max - Min): the minimum is taken off the range only, not off the value.
std::string FormatProgressCaption(std::int32_t CaptionType, const std::string& CaptionMask, double Value, double Min,
                                  double Max);

// Every occurrence of `find`, compared without regard to letter case, replaced by `with`;
// replaced text is not searched again.
std::string ReplaceCaseless(const std::string& text, std::string_view find, const std::string& with);

// A number with exactly two decimals, rounded half away from zero from its 15-digit
// decimal form, with "." as the decimal separator.
std::string FixedTwoDecimals(double x);

}  // namespace ulmaro
