// Where text enters and leaves the controls. Scripts and form files are UTF-8; the controls
// keep their strings in the ANSI code page (1252), the character set of the platform's A
// calls they draw and measure with, so lengths, positions and limits count characters.
#pragma once

#include <string>
#include <string_view>

namespace ulmaro {

// UTF-8 to code page 1252: characters it lacks (and malformed bytes) become '?', as the
// platform's conversion does.
std::string AnsiFromUtf8(std::string_view utf8);
// Code page 1252 to UTF-8; every byte has a character.
std::string Utf8FromAnsi(std::string_view ansi);
// The upper-case form of a code page 1252 letter (a, é, š, ÿ ...); other bytes as they are.
char AnsiUpper(char c);

}  // namespace ulmaro
