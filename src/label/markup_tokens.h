// The label's mark-up language: the token pattern, what a matched token means, the colour
// notation of the C and F tags, and the colour stacks that closing tags pop.
#pragma once

#include "framework/regexp.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ulmaro::markup {

// Tags <B> <I> <U> <S> <A> <F> <C>, opening or closing, <F=RRGGBB> and <C=RRGGBB> with six
// hexadecimal digits, <A Name="..."> with a quoted name, and CR LF. Groups: 1 the closing
// slash, 2 the tag body, 3 the F digits, 4 the C digits, 5 the link name, 6 the line break.
// The \r\n near the end is the pattern's own escape, not two control characters.
inline constexpr std::string_view kTokenPattern =
    R"re((?:<(/)?(B|I|U|S|A|F|(?:F=([A-F0-9]{6}))|C|(?:C=([A-F0-9]{6}))|(?:A Name="([^"]+)"))>)|(\r\n))re";
static_assert(kTokenPattern.size() == 93);

// Indexes into Match::SubMatches.
enum SubMatch : std::size_t { Slash = 0, Body = 1, FillDigits = 2, ColorDigits = 3, LinkName = 4, LineBreak = 5 };

// A token's action: the tag letter upper-cased ('\0' for a line break) and whether the tag
// closes.
struct Tag {
    char letter = '\0';
    bool closing = false;
};
Tag TagOf(const Match& m);

// The language's Mid$: up to `length` characters from 1-based `start` (empty past the end;
// error 5 for a start below 1 or a negative length).
std::string Mid(const std::string& s, std::int64_t start, std::int64_t length);
// The rest of `s` from 1-based `start`.
std::string Mid(const std::string& s, std::int64_t start);

// The colour "&h" BB GG RR "&" read as a 32-bit number, the pieces taken as they are: with
// no digits at all the colour is 0 (black).
std::int32_t HexColor(const std::string& bb, const std::string& gg, const std::string& rr);
// The colour of an opening C tag, from its body "C=RRGGBB" (characters 3 to 8).
std::int32_t ColorOfBody(const std::string& body);
// The colour of an opening F tag, from its six digits RRGGBB.
std::int32_t ColorOfDigits(const std::string& digits);

// Colour stacks keep a base entry at index 0. Push grows the stack by one; Pop drops the
// last entry and returns the one now last, or returns the base when only the base is left,
// so that surplus closing tags give the base colour.
template <class T>
void Push(std::vector<T>& stack, T value) {
    stack.push_back(value);
}
template <class T>
T Pop(std::vector<T>& stack) {
    if (stack.size() > 1) stack.pop_back();
    return stack.back();
}

}  // namespace ulmaro::markup
