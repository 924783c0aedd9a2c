// The label's layout pass: one left-to-right walk over the caption's tokens that draws the
// plain text between them as runs, switches font attributes and colours at the tags, keeps
// the plain text, records the link areas and, with AutoSize, sizes the control to the text.
#include "label/markup_tokens.h"
#include "label/zyn_label.h"

#include "framework/colors.h"
#include "framework/numeric.h"
#include "framework/std_font.h"
#include "framework/variant.h"

#include <ulmaro/platform/scoped_gdi.h>

namespace ulmaro {

using namespace platform;
using namespace markup;

namespace {

// Rounded to a RECT coordinate; a pen run past the 32-bit range stops at its end.
int Round(float v) {
    const double r = roundHalfEven(v);
    return r >= 2147483647.0 ? 2147483647 : r <= -2147483648.0 ? -2147483647 - 1 : static_cast<int>(r);
}

// The position after a token. The working index is a 16-bit Integer, so a token that ends
// past character 32 766 overflows it; the pass stops right there, with the font and text
// colour as the tags before had left them, as the label always behaved.
std::int16_t NextPos(const Match& M) {
    const std::int64_t next = static_cast<std::int64_t>(M.FirstIndex) + M.Length + 1;
    if (next > 32767) throw RuntimeError(errors::Overflow);
    return static_cast<std::int16_t>(next);
}

struct SavedFontAttributes {
    bool Bold, Underline, Strikethrough, Italic;
};

}  // namespace

void ZynLabel::Refresh(bool& Clear) {
    // Nothing happens while the properties are being loaded.
    if (!Ready) return;
    Surface& s = surface();
    if (Clear) s.Cls();

    // Fresh stacks and links; the font attributes are kept to restore at the end.
    ForeColorStack.assign(1, s.ForeColor());
    FillColorStack.assign(1, TranslateColor(BackColor_));
    Links.assign(1, LinkArea{});
    ++linksGeneration_;
    std::int32_t Fill = -1;
    const std::shared_ptr<StdFont> font = s.Font();
    const SavedFontAttributes saved{font->Bold(), font->Underline(), font->Strikethrough(), font->Italic()};

    // "<br>" in any letter case becomes CR LF.
    RegExp RegEx;
    RegEx.SetIgnoreCase(true);
    RegEx.SetMultiline(true);
    RegEx.SetGlobal(true);
    RegEx.SetPattern("<br>");
    const std::string Work = RegEx.Replace(Caption_, "\r\n");

    RegEx.SetPattern(std::string(kTokenPattern));
    std::int16_t Pos = 1;
    Text_.clear();

    float X = 0, Y = 0;
    RECT RunRect{}, LinkRect{}, Bounds{};
    // Measures a run at the pen position: its rectangle joins the bounds.
    auto placeRun = [&](const std::string& Run, float& W, float& H) {
        W = s.TextWidth(Run);
        H = s.TextHeight(Run);
        SetRect(&RunRect, Round(X), Round(Y), Round(X + W), Round(Y + H));
        RECT u{};
        UnionRect(&u, &Bounds, &RunRect);
        Bounds = u;
    };
    // Format 0: the run's "&" prefixes draw as underlined mnemonics, lone CR or LF break it.
    auto drawRun = [&](const std::string& Run) {
        DrawTextA(s.hDC(), Run.c_str(), static_cast<int>(Run.size()), &RunRect, 0);
    };

    for (const Match& M : RegEx.Execute(Work)) {
        // The plain text between the previous token and this one.
        const std::string Run = Mid(Work, Pos, static_cast<std::int64_t>(M.FirstIndex) - Pos + 1);
        Text_ += Run;
        float W = 0, H = 0;
        placeRun(Run, W, H);
        // A link takes the last run that showed something.
        if (!Run.empty()) LinkRect = RunRect;
        // A lone CR or LF inside the run moves the pen down.
        Y = Y + H - s.TextHeight("A");
        if (Fill != -1) {
            ScopedBrush brush(CreateSolidBrush(static_cast<COLORREF>(Fill)));
            FillRect(s.hDC(), &RunRect, brush);
        }
        drawRun(Run);
        // A line break returns to the left edge, one run height (the run before it) lower.
        if (M.Value == "\r\n") {
            X = 0;
            Y = Y + H;
        } else {
            X = X + W;
        }
        // The tag acts on what follows.
        const Tag tag = TagOf(M);
        StdFont& f = *s.Font();
        switch (tag.letter) {
            case 'B': f.SetBold(!tag.closing); break;
            case 'U': f.SetUnderline(!tag.closing); break;
            case 'I': f.SetItalic(!tag.closing); break;
            case 'S': f.SetStrikethrough(!tag.closing); break;
            case 'C':
                if (tag.closing) {
                    s.setForeColor(Pop(ForeColorStack));
                } else {
                    s.setForeColor(static_cast<OLE_COLOR>(ColorOfBody(M.SubMatches[Body])));
                    Push(ForeColorStack, s.ForeColor());
                }
                break;
            case 'F':
                if (tag.closing) {
                    Fill = Pop(FillColorStack);
                } else {
                    Fill = ColorOfDigits(M.SubMatches[FillDigits]);
                    Push(FillColorStack, Fill);
                }
                break;
            case 'A':
                if (tag.closing)
                    Links.push_back(LinkArea{LinkRect, CurrentLinkName});
                else
                    CurrentLinkName = M.SubMatches[LinkName];
                break;
            default: break;  // a line break
        }
        Pos = NextPos(M);
    }

    // The rest after the last token; never filled.
    const std::string Run = Mid(Work, Pos);
    float W = 0, H = 0;
    placeRun(Run, W, H);
    drawRun(Run);
    Text_ += Run;

    // In transparent mode this takes the mask from what was just drawn.
    setBackStyle(BackStyle_);

    // A size change raises Resize, which lays the label out again before this pass ends; that
    // pass finds the size it asks for and goes no deeper. A size the host cannot grant leaves
    // the label as it is, so nothing calls the pass again: the label shows what fits.
    // Twips are computed in 64 bits: a wide caption at a large size passes a Long.
    RECT client{};
    GetClientRect(s.hWnd(), &client);
    if (AutoSize_ && !EqualRect(&Bounds, &client)) {
        s.setWidth(std::int64_t{Bounds.right} * Surface::kTwipsPerPixel);
        s.setHeight(std::int64_t{Bounds.bottom} * Surface::kTwipsPerPixel);
    }

    // The text colour comes from the stack's base as it is now: a pass run by a resize
    // above has replaced it with the colour that was in force then.
    font->SetBold(saved.Bold);
    font->SetUnderline(saved.Underline);
    font->SetStrikethrough(saved.Strikethrough);
    font->SetItalic(saved.Italic);
    s.setForeColor(ForeColorStack[0]);
}

}  // namespace ulmaro
