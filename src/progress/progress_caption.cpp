#include "progress/progress_caption.h"

#include "framework/variant.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ulmaro {

namespace {

// This host's decimal separator; the caption's numbers use it.
constexpr char kDecimalSeparator = '.';

// The plain text of a number: at most 15 significant digits, no trailing zeros.
std::string NumberText(double d) { return formatDouble(d); }

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::string ReplaceCaseless(const std::string& text, std::string_view find, const std::string& with) {
    if (find.empty()) return text;
    std::string out;
    std::size_t at = 0;
    while (true) {
        auto hit = std::search(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), find.begin(), find.end(), SameLetter);
        std::size_t pos = static_cast<std::size_t>(hit - text.begin());
        out.append(text, at, pos - at);
        if (hit == text.end()) return out;
        out += with;
        at = pos + find.size();
    }
}

std::string FixedTwoDecimals(double x) {
    if (!std::isfinite(x)) return NumberText(x);
    const bool negative = x < 0;
    // 15 significant digits d0.d1...d14 and the decimal exponent of d0.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    // Keep the digits down to the hundredths; the next digit decides the rounding.
    const int keep = exponent + 3;
    std::string scaled;  // the number times 100, as decimal digits
    if (keep > 0) {
        scaled = digits.substr(0, static_cast<std::size_t>(std::min(keep, 15)));
        if (keep > 15) scaled.append(static_cast<std::size_t>(keep - 15), '0');
    }
    const bool roundUp = keep >= 0 && keep < 15 && digits[static_cast<std::size_t>(keep)] >= '5';
    if (roundUp) {
        int i = static_cast<int>(scaled.size()) - 1;
        for (; i >= 0 && scaled[static_cast<std::size_t>(i)] == '9'; --i) scaled[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++scaled[static_cast<std::size_t>(i)];
        else
            scaled.insert(scaled.begin(), '1');
    }
    if (scaled.size() < 3) scaled.insert(0, 3 - scaled.size(), '0');
    const bool zero = scaled.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !zero ? "-" : "";
    out += scaled.substr(0, scaled.size() - 2);
    out += kDecimalSeparator;
    out += scaled.substr(scaled.size() - 2);
    return out;
}

std::string FormatProgressCaption(std::int32_t CaptionType, const std::string& CaptionMask, double Value, double Min,
                                  double Max) {
    const double r = Max - Min;
    std::string base;
    switch (CaptionType) {
        case 0: base = NumberText(std::floor(Value * 100 / r)) + "%"; break;
        case 1: base = FixedTwoDecimals(Value / r * 100) + "%"; break;
        case 2: base = NumberText(Value); break;
        case 3: base = NumberText(std::floor(Value)) + "/" + NumberText(Max); break;
        default: break;
    }
    std::string text = ReplaceCaseless(CaptionMask, "%Max", NumberText(Max));
    text = ReplaceCaseless(text, "%Min", NumberText(Min));
    return ReplaceCaseless(text, "%Val", base);
}

}  // namespace ulmaro
