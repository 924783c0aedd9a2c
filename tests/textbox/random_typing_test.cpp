// 10 000 random keystrokes typed into a multi-line text box through the form, checked after
// each one against a plain string with a caret and an anchor that makes the same edits.
// ULMARO_SEED picks another sequence; a failure names the seed and the step.
#include <algorithm>
#include <random>

#include "support/seeded.h"
#include "text_box_support.h"

using namespace ulmaro;
using ulmaro::test::TextBoxForm;

namespace {

// What the keys do to a text whose lines end in CR LF, which the caret never splits.
struct Model {
    std::string s;
    std::size_t anchor = 0, caret = 0;
    std::string clipboard;

    std::size_t selStart() const { return std::min(anchor, caret); }
    std::size_t selEnd() const { return std::max(anchor, caret); }
    bool inBreak(std::size_t p) const { return p > 0 && p < s.size() && s[p - 1] == '\r' && s[p] == '\n'; }
    void moveTo(std::size_t p, bool extend) {
        caret = std::min(p, s.size());
        if (inBreak(caret)) --caret;
        if (!extend) anchor = caret;
    }
    void replace(const std::string& with) {
        const std::size_t a = selStart();
        s.replace(a, selEnd() - a, with);
        anchor = caret = a + with.size();
    }
    std::size_t lineStart(std::size_t p) const {
        const std::size_t b = p < 2 ? std::string::npos : s.rfind("\r\n", p - 2);
        return b == std::string::npos ? 0 : b + 2;
    }
    std::size_t lineEnd(std::size_t p) const {
        const std::size_t e = s.find("\r\n", p);
        return e == std::string::npos ? s.size() : e;
    }
    bool space(std::size_t p) const { return s[p] == ' ' || s[p] == '\t' || s[p] == '\r' || s[p] == '\n'; }

    void type(char c) { replace(std::string(1, c)); }
    void backspace() {
        if (selEnd() > selStart()) return replace("");
        if (caret == 0) return;
        const std::size_t n = caret >= 2 && s[caret - 1] == '\n' && s[caret - 2] == '\r' ? 2 : 1;
        s.erase(caret - n, n);
        anchor = caret = caret - n;
    }
    void del() {
        if (selEnd() > selStart()) return replace("");
        if (caret >= s.size()) return;
        s.erase(caret, caret + 1 < s.size() && s[caret] == '\r' && s[caret + 1] == '\n' ? 2 : 1);
    }
    void left(bool extend) {
        if (!extend && selEnd() > selStart()) return moveTo(selStart(), false);
        if (caret == 0) return moveTo(0, extend);
        moveTo(caret >= 2 && inBreak(caret - 1) ? caret - 2 : caret - 1, extend);
    }
    void right(bool extend) {
        if (!extend && selEnd() > selStart()) return moveTo(selEnd(), false);
        moveTo(inBreak(caret + 1) ? caret + 2 : caret + 1, extend);
    }
    void wordLeft(bool extend) {
        std::size_t p = caret;
        while (p > 0 && space(p - 1)) --p;
        while (p > 0 && !space(p - 1)) --p;
        moveTo(p, extend);
    }
    void wordRight(bool extend) {
        std::size_t p = caret;
        while (p < s.size() && !space(p)) ++p;
        while (p < s.size() && space(p)) ++p;
        moveTo(p, extend);
    }
    // TAB with a selection: the lines it touches, re-indented, selected.
    void indent(bool unindent, int tabSize) {
        const std::size_t from = lineStart(selStart()), to = lineEnd(selEnd());
        std::string out;
        for (std::size_t p = from;;) {
            const std::size_t e = lineEnd(p);
            std::string line = s.substr(p, e - p);
            if (!unindent) {
                line.insert(0, 1, '\t');
            } else if (!line.empty() && line[0] == '\t') {
                line.erase(0, 1);
            } else {
                for (int i = 0; i < tabSize && !line.empty() && line[0] == ' '; ++i) line.erase(0, 1);
            }
            out += line;
            if (e >= to) break;
            out += "\r\n";
            p = e + 2;
        }
        s.replace(from, to - from, out);
        anchor = from;
        moveTo(from + out.size(), true);
    }
    // Shift+TAB without a selection: a TAB after the caret, or up to tabSize blanks.
    void unindentAtCaret(int tabSize) {
        if (caret < s.size() && s[caret] == '\t') return s.erase(caret, 1), void();
        for (int i = 0; i < tabSize && caret < s.size() && s[caret] == ' '; ++i) s.erase(caret, 1);
    }
};

}  // namespace

TEST(RandomTyping, TenThousandKeystrokesMatchAStringModel) {
    test::forEachSeed(20261206u, 1, [](std::uint32_t seed) {
        TextBoxForm f(320, 240);
        f.run(
            "new ZynTextBox Memo 10 10 300 80\nset Memo.Multiline True\nset Memo.ScrollBars 3\n"
            "set Memo.Text \"seed\"\nnew ZynTextBox Other 10 215 100 21\nfocus Memo\n");
        // The clipboard is shared by every edit of the process: start it from a known text.
        f.run("call Memo.SelectText 0 -1\ncall Memo.Copy\nset Memo.Text \"\"\n");
        ZynTextBox& memo = f.box("Memo");
        Form& form = *f.h.form;
        Model m;
        m.clipboard = "seed";
        std::mt19937 rng(seed);
        const std::string letters = "abc xyz  \t01";
        auto withShift = [&](int shift, auto action) {
            form.setShift(shift);
            action();
            form.setShift(0);
        };
        auto key = [&](int vk) {
            form.keyDown(vk);
            form.keyUp(vk);
        };
        for (int step = 0; step < 10000; ++step) {
            const int op = static_cast<int>(rng() % 100);
            const bool shift = rng() % 3 == 0;
            if (op < 45) {
                const char c = letters[rng() % letters.size()];
                if (c == '\t') {
                    // The Tab key: no control is a tab stop while the memo has the focus.
                    if (m.selEnd() > m.selStart()) {
                        m.indent(shift, 4);
                    } else if (shift) {
                        m.unindentAtCaret(4);
                    } else {
                        m.type('\t');
                    }
                    withShift(shift ? 1 : 0, [&] { key(9); });
                } else {
                    m.type(c);
                    form.keyPress(static_cast<unsigned char>(c));
                }
            } else if (op < 52) {
                m.replace("\r\n");
                form.keyDown(13);
                form.keyPress(13);
                form.keyUp(13);
            } else if (op < 60) {
                m.backspace();
                form.keyPress(8);
            } else if (op < 65) {
                m.del();
                key(46);
            } else if (op < 73) {
                m.left(shift);
                withShift(shift ? 1 : 0, [&] { key(37); });
            } else if (op < 81) {
                m.right(shift);
                withShift(shift ? 1 : 0, [&] { key(39); });
            } else if (op < 84) {
                m.wordLeft(shift);
                withShift(shift ? 3 : 2, [&] { key(37); });
            } else if (op < 87) {
                m.wordRight(shift);
                withShift(shift ? 3 : 2, [&] { key(39); });
            } else if (op < 90) {
                const bool home = rng() % 2 == 0;
                m.moveTo(home ? m.lineStart(m.caret) : m.lineEnd(m.caret), shift);
                withShift(shift ? 1 : 0, [&] { key(home ? 36 : 35); });
            } else if (op < 92) {
                // Ctrl+A, now and then: it is mostly followed by typing over everything.
                if (rng() % 8 != 0) continue;
                m.anchor = 0;
                m.moveTo(m.s.size(), true);
                withShift(2, [&] { key(65); });
            } else {
                // Ctrl+C, Ctrl+X, Ctrl+V.
                const int which = static_cast<int>(rng() % 3);
                const bool sel = m.selEnd() > m.selStart();
                if (which == 0 && sel) m.clipboard = m.s.substr(m.selStart(), m.selEnd() - m.selStart());
                if (which == 1 && sel) {
                    m.clipboard = m.s.substr(m.selStart(), m.selEnd() - m.selStart());
                    m.replace("");
                }
                if (which == 2 && !m.clipboard.empty()) m.replace(m.clipboard);
                withShift(2, [&] { form.keyPress(which == 0 ? 3 : which == 1 ? 24 : 22); });
            }
            ASSERT_EQ(memo.Text(), m.s) << "step " << step;
            ASSERT_EQ(static_cast<std::size_t>(memo.SelStart()), m.selStart()) << "step " << step;
            ASSERT_EQ(static_cast<std::size_t>(memo.SelLength()), m.selEnd() - m.selStart()) << "step " << step;
        }
        EXPECT_GT(memo.LineCount(), 10);  // the edits reached well past one line
        EXPECT_EQ(form.focused(), form.find("Memo"));
    });
}
