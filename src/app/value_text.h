// Values as input scripts write them and as the ulmaro command prints them: numbers in
// plain decimal (&H hexadecimal accepted on input), True / False, strings in double quotes
// where a doubled double quote stands for one.
#pragma once

#include "framework/variant.h"

#include <optional>
#include <string>
#include <vector>

namespace ulmaro::app {

std::string formatValue(const Variant& v);
std::string quote(const std::string& s);

// A script token as a value, or nothing if it is not one.
std::optional<Variant> parseValue(const std::string& token);
// A token without its quotes (doubled quotes made single), as written: for file names,
// which stay UTF-8 while strings for controls become ANSI.
std::string unquote(const std::string& token);

// Splits a script line into tokens at blanks; a double-quoted token keeps its blanks and
// keeps its quotes (so parseValue sees a string). A `#` outside quotes starts a comment.
// Returns false with a message for an unterminated string.
bool tokenize(const std::string& line, std::vector<std::string>& tokens, std::string& error);

}  // namespace ulmaro::app
