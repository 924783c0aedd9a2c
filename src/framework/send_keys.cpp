#include "send_keys.h"

#include <ulmaro/platform/win32.h>

#include <cctype>
#include <string>

#include "runtime_error.h"

namespace ulmaro {

using namespace platform;

namespace {

[[noreturn]] void bad() { throw RuntimeError(errors::InvalidProcedureCall, "not a well-formed key string"); }

std::string upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

// A key the name stands for, and the character it types (0: none).
bool namedKey(const std::string& name, int& vk, int& ch) {
    struct Named {
        const char* name;
        int vk, ch;
    };
    static const Named kNamed[] = {
        {"TAB", VK_TAB, 9},     {"ENTER", VK_RETURN, 13}, {"BACKSPACE", VK_BACK, 8}, {"BS", VK_BACK, 8},
        {"BKSP", VK_BACK, 8},   {"ESC", VK_ESCAPE, 27},   {"ESCAPE", VK_ESCAPE, 27}, {"DELETE", VK_DELETE, 0},
        {"DEL", VK_DELETE, 0},  {"INSERT", VK_INSERT, 0}, {"INS", VK_INSERT, 0},     {"LEFT", VK_LEFT, 0},
        {"RIGHT", VK_RIGHT, 0}, {"UP", VK_UP, 0},         {"DOWN", VK_DOWN, 0},      {"HOME", VK_HOME, 0},
        {"END", VK_END, 0},     {"PGUP", VK_PRIOR, 0},    {"PGDN", VK_NEXT, 0},
    };
    for (const Named& n : kNamed)
        if (name == n.name) {
            vk = n.vk;
            ch = n.ch;
            return true;
        }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        const int f = std::stoi(name.substr(1));
        if (f >= 1 && f <= 12 && std::isdigit(static_cast<unsigned char>(name[1]))) {
            vk = 0x70 + f - 1;
            ch = 0;
            return true;
        }
    }
    return false;
}

// A character as a key: letters and digits have keys of their own; Ctrl with a letter
// types its control code.
KeyStroke charStroke(char c, int shift) {
    KeyStroke k;
    k.shift = shift;
    const auto u = static_cast<unsigned char>(c);
    if (c == '\t' || c == '\r' || c == '\b') {
        k.virtualKey = c == '\t' ? VK_TAB : c == '\r' ? VK_RETURN : VK_BACK;
        k.character = (shift & 6) ? 0 : u;
        return k;
    }
    if (std::isalpha(u)) {
        k.virtualKey = std::toupper(u);
        // A capital types with Shift, unless Ctrl or Alt make the key a command.
        if (std::isupper(u) && !(shift & 6)) k.shift |= 1;
        k.character = (shift & 2) ? k.virtualKey - 'A' + 1 : u;
    } else if (std::isdigit(u) || c == ' ') {
        k.virtualKey = u;
        k.character = u;
    } else {
        k.character = u;
    }
    if (shift & 4) k.character = 0;  // with Alt a key goes to the menu, not the control
    return k;
}

class Parser {
public:
    explicit Parser(std::string_view s) : s_(s) {}
    std::vector<KeyStroke> run() {
        while (i_ < s_.size()) item(0, false);
        return out_;
    }

private:
    void item(int shift, bool inGroup) {
        for (;;) {
            if (i_ >= s_.size()) bad();
            const char c = s_[i_];
            if (c == '+' || c == '^' || c == '%') {
                shift |= c == '+' ? 1 : c == '^' ? 2 : 4;
                ++i_;
                continue;
            }
            break;
        }
        const char c = s_[i_];
        if (c == '(') {
            ++i_;
            while (i_ < s_.size() && s_[i_] != ')') item(shift, true);
            if (i_ >= s_.size()) bad();
            ++i_;
            return;
        }
        if (c == ')' && !inGroup) bad();
        if (c == '{') return braced(shift);
        if (c == '}') bad();
        ++i_;
        if (c == '~') {
            out_.push_back(KeyStroke{shift, VK_RETURN, (shift & 4) ? 0 : 13});
            return;
        }
        out_.push_back(charStroke(c, shift));
    }

    void braced(int shift) {
        // "{}}" and "{{}" hold a brace; otherwise the name runs to the next "}".
        std::size_t close = s_.find('}', i_ + 2);
        if (i_ + 2 < s_.size() && s_[i_ + 2] == '}' && (s_[i_ + 1] == '}' || s_[i_ + 1] == '{')) close = i_ + 2;
        if (close == std::string_view::npos) bad();
        std::string body(s_.substr(i_ + 1, close - i_ - 1));
        i_ = close + 1;
        int count = 1;
        if (const std::size_t blank = body.find(' '); blank != std::string::npos && blank > 0) {
            const std::string n = body.substr(blank + 1);
            if (n.empty() || n.size() > 4 || n.find_first_not_of("0123456789") != std::string::npos) bad();
            count = std::stoi(n);
            body.resize(blank);
        }
        if (body.empty()) bad();
        KeyStroke k;
        if (body.size() == 1) {
            k = charStroke(body[0], shift);
        } else {
            int vk = 0, ch = 0;
            if (!namedKey(upper(body), vk, ch)) bad();
            k = KeyStroke{shift, vk, (shift & 6) ? 0 : ch};
            if (vk == VK_TAB) k.character = (shift & 6) ? 0 : 9;
        }
        for (int n = 0; n < count; ++n) out_.push_back(k);
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::vector<KeyStroke> out_;
};

}  // namespace

std::vector<KeyStroke> ParseSendKeys(std::string_view keys) { return Parser(keys).run(); }

}  // namespace ulmaro
