// ZynTextBox: the key filter every typed character passes before its box sees it. TAB in
// the multi-line box indents or unindents the selected lines (or removes indentation at the
// caret); then KeyPress is raised; then the forbid and allow lists judge the character.
#include <ulmaro/platform/win32.h>

#include <cctype>

#include "textbox/zyn_text_box.h"

namespace ulmaro {

using namespace platform;

namespace {

// A text comparison from the first position: letter case is ignored.
bool Holds(const std::string& list, std::int16_t k) {
    const int c = std::tolower(k & 0xFF);
    for (char m : list)
        if (std::tolower(static_cast<unsigned char>(m)) == c) return true;
    return false;
}

}  // namespace

void ZynTextBox::FilterKey(std::int16_t& KeyAscii) {
    if (KeyAscii == 9) {
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (Text1[1]->SelLength() != 0) {
            IndentSelectedLines(shift);
            KeyAscii = 0;
        } else if (shift) {
            UnindentAtCaret();
            KeyAscii = 0;
        }
        // Without a selection and without Shift the TAB goes on as a character.
    }
    RaiseEvent("KeyPress", KeyAscii);
    // Backspace, Enter, Ctrl+C, Ctrl+X and Ctrl+V pass unfiltered.
    if (KeyAscii == 8 || KeyAscii == 13 || KeyAscii == 3 || KeyAscii == 24 || KeyAscii == 22) return;
    if (Filter_ && !FilterForbid_.empty() && Holds(FilterForbid_, KeyAscii)) {
        RaiseEvent("ForbidKey", KeyAscii);
        KeyAscii = 0;
        return;
    }
    if (Filter_ && !FilterAllow_.empty() && !Holds(FilterAllow_, KeyAscii)) {
        RaiseEvent("ForbidKey", KeyAscii);
        KeyAscii = 0;
    }
}

// Every line the selection touches, rebuilt with one more (or one less) level of
// indentation, takes the place of those lines, and the selection then covers them. For a
// selection of whole lines this is replacing the selection and growing (or shrinking) it by
// the characters added (or removed). A selection that starts or ends inside a line is
// widened to whole lines first, as an editor indents: replacing only the selected part
// with whole lines would bring the text outside it back a second time.
void ZynTextBox::IndentSelectedLines(bool unindent) {
    EditBox& ml = *Text1[1];
    const std::int32_t s = ml.SelStart(), n = ml.SelLength();
    const auto lineOf = [&](std::int32_t pos) {
        return static_cast<std::int32_t>(ml.send(EM_LINEFROMCHAR, static_cast<WPARAM>(pos)));
    };
    const std::int32_t first = lineOf(s), last = lineOf(s + n);
    std::string T;
    for (std::int32_t L = first; L <= last; ++L) {
        std::string text = ml.Line(L);
        if (!unindent) {
            T += "\t" + text + "\r\n";
            continue;
        }
        if (!text.empty() && text[0] == '\t') {
            text.erase(0, 1);
        } else {
            for (int i = 0; i < TabSize_; ++i)
                if (!text.empty() && text[0] == ' ') text.erase(0, 1);
        }
        T += text + "\r\n";
    }
    T.resize(T.size() - 2);
    const auto from = static_cast<std::int32_t>(ml.send(EM_LINEINDEX, static_cast<WPARAM>(first)));
    const auto to = static_cast<std::int32_t>(ml.send(EM_LINEINDEX, static_cast<WPARAM>(last))) +
                    static_cast<std::int32_t>(ml.send(EM_LINELENGTH, ml.send(EM_LINEINDEX, static_cast<WPARAM>(last))));
    ml.send(EM_SETSEL, static_cast<WPARAM>(from), to);
    ml.setSelText(T);
    ml.setSelStart(from);
    ml.setSelLength(static_cast<std::int32_t>(T.size()));
}

// Shift+TAB without a selection: a TAB just after the caret goes, or else up to TabSize
// blanks. Failures here are ignored.
void ZynTextBox::UnindentAtCaret() {
    EditBox& ml = *Text1[1];
    auto after = [&]() -> int {
        const std::string t = ml.Text();
        const auto at = static_cast<std::size_t>(ml.SelStart());
        return at < t.size() ? static_cast<unsigned char>(t[at]) : -1;
    };
    auto deleteAfterCaret = [&] {
        ml.setSelLength(1);
        ml.setSelText("");
    };
    try {
        if (after() == '\t') {
            deleteAfterCaret();
        } else {
            for (int i = 0; i < TabSize_; ++i)
                if (after() == ' ') deleteAfterCaret();
        }
    } catch (const RuntimeError&) {
    }
}

}  // namespace ulmaro
