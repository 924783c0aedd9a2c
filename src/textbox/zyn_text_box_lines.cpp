// ZynTextBox: the line interface (one or two edit messages each) and the clipboard
// commands, on the shown box.
#include <cstring>
#include <vector>

#include "framework/numeric.h"
#include "textbox/zyn_text_box.h"

namespace ulmaro {

using namespace platform;

namespace {
std::int32_t Answer(LRESULT r) { return static_cast<std::int32_t>(r); }
WPARAM Arg(std::int32_t v) { return static_cast<WPARAM>(static_cast<std::intptr_t>(v)); }

// Letters, digits and the underscore, by character code.
bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
}  // namespace

std::int32_t ZynTextBox::LineCount() const { return Answer(box().send(EM_GETLINECOUNT)); }

std::int32_t ZynTextBox::FirstVisibleLine() const { return Answer(box().send(EM_GETFIRSTVISIBLELINE)); }

std::int32_t ZynTextBox::LineIndex(std::int32_t CharPos) const {
    if (CharPos == -1) CharPos = box().SelStart();
    return Answer(box().send(EM_LINEFROMCHAR, Arg(CharPos)));
}

std::int32_t ZynTextBox::FirstChar(std::int32_t Line) const {
    if (Line == -1) Line = LineIndex();
    return Answer(box().send(EM_LINEINDEX, Arg(Line)));
}

std::int32_t ZynTextBox::LineLength(std::int32_t Line, std::int32_t CharPos) const {
    if (Line != -1) CharPos = FirstChar(Line);
    if (CharPos == -1) CharPos = box().SelStart();
    return Answer(box().send(EM_LINELENGTH, Arg(CharPos)));
}

// EM_GETLINE fills a buffer of n + 2 characters whose first word holds its size.
std::string ZynTextBox::GetLine(std::int32_t Line) const {
    if (Line == -1) Line = LineIndex();
    const std::int32_t n = LineLength(Line);
    std::vector<char> buf(static_cast<std::size_t>(MaxOf(n, 0)) + 2, '\0');
    const auto size = static_cast<std::uint16_t>(buf.size());
    std::memcpy(buf.data(), &size, sizeof size);
    const std::int32_t k = Answer(box().send(EM_GETLINE, Arg(Line), reinterpret_cast<LPARAM>(buf.data())));
    return std::string(buf.data(), static_cast<std::size_t>(MaxOf(0, MinOf(k, static_cast<std::int32_t>(buf.size())))));
}

bool ZynTextBox::GotoLine(std::int32_t Line) {
    if (Line >= LineCount()) return false;
    const std::int32_t p = FirstChar(Line);
    if (p == -1) return false;
    FocusBox();
    setSelStart(p);
    EnsureCaretVisibility();
    return true;
}

void ZynTextBox::SelectText(std::int32_t Start, std::int32_t Length) {
    box().send(EM_SETSEL, Arg(Start), static_cast<LPARAM>(Start) + Length);
}

void ZynTextBox::ScrollToBottom() {
    const auto end = static_cast<std::int32_t>(Text1[1]->send(WM_GETTEXTLENGTH));
    SelectText(end, 0);
    Text1[1]->send(EM_SCROLLCARET);
}

// The multi-line box, whichever box shows.
void ZynTextBox::EnsureCaretVisibility() { Text1[1]->send(EM_SCROLLCARET); }

bool ZynTextBox::Undo() { return box().send(EM_UNDO) != 0; }

bool ZynTextBox::CanUndo() const { return box().send(EM_CANUNDO) != 0; }

std::int32_t ZynTextBox::OverChar(std::int32_t X, std::int32_t Y) const {
    const auto lp = static_cast<std::int32_t>(static_cast<std::uint32_t>(X) + static_cast<std::uint32_t>(Y) * 65536u);
    return Answer(box().send(EM_CHARFROMPOS, 0, lp)) & 0xFFFF;
}

std::int32_t ZynTextBox::OverLine(std::int32_t X, std::int32_t Y) const {
    const auto lp = static_cast<std::int32_t>(static_cast<std::uint32_t>(X) + static_cast<std::uint32_t>(Y) * 65536u);
    return Answer(box().send(EM_CHARFROMPOS, 0, lp)) / 65536;
}

std::string ZynTextBox::OverWord(std::int32_t X, std::int32_t Y, std::int32_t& Start, std::int32_t& Length) const {
    const std::string text = box().Text();
    const auto len = static_cast<std::int32_t>(text.size());
    auto wordAt = [&](std::int32_t i) { return i >= 0 && i < len && IsWordChar(text[static_cast<std::size_t>(i)]); };
    const std::int32_t c0 = OverChar(X, Y);
    Start = c0;
    while (Start >= 0 && wordAt(Start)) --Start;
    ++Start;
    std::int32_t e = c0;
    while (e <= len && wordAt(e)) ++e;
    Length = MaxOf(0, e - Start);
    return text.substr(static_cast<std::size_t>(MinOf(Start, len)), static_cast<std::size_t>(Length));
}

void ZynTextBox::Copy() {
    FocusBox();
    SendKeys("^{C}");
}

void ZynTextBox::Cut() {
    FocusBox();
    SendKeys("^{X}");
}

void ZynTextBox::Paste() {
    FocusBox();
    SendKeys("^{V}");
}

}  // namespace ulmaro
