#include "value_text.h"

#include "framework/ansi_text.h"
#include "framework/std_font.h"
#include "framework/std_picture.h"

#include <cctype>

namespace ulmaro::app {

std::string quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// Strings of controls are ANSI; what the script runner prints is UTF-8. Picture paths are
// file names, kept as they were given.
std::string formatValue(const Variant& v) {
    switch (v.type()) {
        case VarType::String: return quote(Utf8FromAnsi(v.toString()));
        case VarType::Font: return quote(Utf8FromAnsi(v.toFont()->Name()));
        case VarType::Picture: return quote(v.toPicture()->Path());
        case VarType::Nothing: return "Nothing";
        case VarType::Empty: return "Empty";
        default: return v.toString();
    }
}

std::string unquote(const std::string& token) {
    if (token.size() < 2 || token.front() != '"' || token.back() != '"') return token;
    std::string s;
    for (std::size_t i = 1; i + 1 < token.size(); ++i) {
        s += token[i];
        if (token[i] == '"') ++i;  // a doubled quote stands for one
    }
    return s;
}

std::optional<Variant> parseValue(const std::string& token) {
    if (token.size() >= 2 && token.front() == '"' && token.back() == '"') return Variant(AnsiFromUtf8(unquote(token)));
    std::string lower;
    for (char c : token) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true") return Variant(true);
    if (lower == "false") return Variant(false);
    if (lower == "nothing") return Variant::nothing();
    Variant n;
    if (parseNumber(token, n)) return n;
    // A trailing "&" makes a literal a Long, as the language writes them: &HFFFF& is 65535
    // where &HFFFF is the Integer -1.
    if (token.size() >= 2 && token.back() == '&' && parseNumber(token.substr(0, token.size() - 1), n) &&
        n.type() != VarType::Single && n.type() != VarType::Double) {
        const std::string body = token.substr(0, token.size() - 1);
        const bool hex = body.find('&') != std::string::npos;
        if (hex && n.type() == VarType::Integer) {
            // Up to four hexadecimal digits: the bits of a Long, not of an Integer.
            const auto bits = static_cast<std::uint16_t>(n.toInt32());
            const bool negative = body.front() == '-';
            return Variant(static_cast<std::int32_t>(negative ? -static_cast<std::int32_t>(bits) : bits));
        }
        return Variant(n.toInt32());
    }
    return std::nullopt;
}

namespace {

// Reads a quoted part starting at line[i] == '"' into tok, quotes included.
bool readQuoted(const std::string& line, std::size_t& i, std::string& tok) {
    tok += '"';
    ++i;
    while (i < line.size()) {
        if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                tok += "\"\"";
                i += 2;
                continue;
            }
            tok += '"';
            ++i;
            return true;
        }
        tok += line[i++];
    }
    return false;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

bool tokenize(const std::string& line, std::vector<std::string>& tokens, std::string& error) {
    tokens.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        // A token runs to the next blank outside quotes, so ARG="a b" is one token.
        std::string tok;
        while (i < line.size() && !isBlank(line[i])) {
            if (line[i] == '"') {
                if (!readQuoted(line, i, tok)) {
                    error = "unterminated string";
                    return false;
                }
            } else {
                tok += line[i++];
            }
        }
        tokens.push_back(tok);
    }
    return true;
}

}  // namespace ulmaro::app
