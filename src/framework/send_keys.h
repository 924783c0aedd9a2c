// The host's SendKeys strings as keystrokes: "+" Shift, "^" Ctrl and "%" Alt hold for the
// next key or for a group in parentheses; "{NAME}" names a key ({TAB}, {ENTER}, {BS},
// {DEL}, {ESC}, arrows, {HOME}, {END}, {PGUP}, {PGDN}, {INS}, {F1}..{F12}) or a character
// that has a meaning of its own ({+}, {^}, {%}, {~}, {(}, {)}, {{}, {}}); "{NAME n}" repeats
// it n times; "~" is Enter; any other character is typed as it is.
#pragma once

#include <string_view>
#include <vector>

namespace ulmaro {

struct KeyStroke {
    int shift = 0;       // 1 Shift, 2 Ctrl, 4 Alt, held for this key
    int virtualKey = 0;  // 0 for a character no key of its own types
    int character = 0;   // what the key types (WM_CHAR), 0 for none
};

// Throws RuntimeError 5 (invalid procedure call) for a string that is not well formed.
std::vector<KeyStroke> ParseSendKeys(std::string_view keys);

}  // namespace ulmaro
