// ZynBarElement: properties, persistence, layout, drawing and the published table.
#include "bar/zyn_bar_element.h"

#include "framework/colors.h"
#include "framework/numeric.h"
#include "framework/variant.h"
#include "listbox/title_bar.h"

namespace ulmaro {

using namespace platform;

ClassInfo ZynBarElement::describe() {
    using C = ZynBarElement;
    const ParamInfo button{"Button", VarType::Integer, true}, shift{"Shift", VarType::Integer, true};
    const ParamInfo x{"X", VarType::Single, true}, y{"Y", VarType::Single, true};
    const std::vector<ParamInfo> key{ParamInfo{"KeyCode", VarType::Integer, true}, shift};
    const std::vector<ParamInfo> mouse{button, shift, x, y};
    return ClassBuilder<C>("ZynBarElement", "Titled panel with a gradient title bar, icon and rounded corners")
        .property<&C::hwnd>(1, "hwnd").runtimeOnly()
        .property<&C::TitleForeColor, &C::setTitleForeColor>(2, "TitleForeColor").key().byDefault(SysColor::HighlightText)
        .property<&C::BorderColor, &C::setBorderColor>(3, "BorderColor").key().byDefault(SysColor::Highlight)
        .property<&C::ForeColor, &C::setForeColor>(4, "ForeColor").key().byDefault(OLE_COLOR{0})
        .property<&C::BackColor, &C::setBackColor>(5, "BackColor").key().byDefault(OLE_COLOR{0xFFFFFF})
        .property<&C::MaskColor, &C::setMaskColor>(6, "MaskColor").key().byDefault(OLE_COLOR{255})
        .property<&C::Caption, &C::setCaption>(7, "Caption").key().byDefault(AmbientValue::DisplayName)
        .property<&C::IconBorder, &C::setIconBorder>(8, "IconBorder").key().byDefault(std::int16_t{6})
        .property<&C::HandPointer, &C::setHandPointer>(9, "HandPointer").key().byDefault(false)
        .property<&C::Font, &C::setFont>(10, "Font").key().byDefault(AmbientValue::Font)
        .property<&C::UseMask, &C::setUseMask>(11, "UseMask").key().byDefault(false)
        .property<&C::Round, &C::setRound>(12, "Round").key().byDefault(false)
        .property<&C::Icon, &C::setIcon>(13, "Icon").key().byDefault(nullptr)
        .property<&C::Enabled, &C::setEnabled>(14, "Enabled").key().byDefault(true)
        .event(1, "KeyDown", key)
        .event(2, "KeyUp", key)
        .event(3, "KeyPress", {ParamInfo{"KeyAscii", VarType::Integer, true}})
        .event(4, "MouseDown", mouse)
        .event(5, "MouseUp", mouse)
        .event(6, "MouseMove", mouse)
        .event(7, "ClickOnItem", {button, shift, x, y, ParamInfo{"Item", VarType::Integer, true}})
        .event(8, "Click")
        .event(9, "DblClick")
        // A panel that holds other controls.
        .flags(true, true, true)
        .build();
}

// ---- Properties -------------------------------------------------------------------------------------

std::int32_t ZynBarElement::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

void ZynBarElement::setTitleForeColor(OLE_COLOR v) {
    TitleForeColor_ = v;
    PropertyChanged("TitleForeColor");
    Paint();
}

void ZynBarElement::setBorderColor(OLE_COLOR v) {
    BorderColor_ = v;
    PropertyChanged("BorderColor");
    Paint();
}

// Kept and saved for the host's code; the panel draws nothing in it.
void ZynBarElement::setForeColor(OLE_COLOR v) {
    ForeColor_ = v;
    PropertyChanged("ForeColor");
    Paint();
}

void ZynBarElement::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    PropertyChanged("BackColor");
    Paint();
}

void ZynBarElement::setMaskColor(OLE_COLOR v) {
    MaskColor_ = v;
    PropertyChanged("MaskColor");
    Paint();
}

// The title keeps its height until the next layout (a resize, an icon or IconBorder change).
void ZynBarElement::setCaption(std::string v) {
    Caption_ = std::move(v);
    Paint();
    PropertyChanged("Caption");
}

void ZynBarElement::setIconBorder(std::int16_t v) {
    IconBorder_ = v;
    Layout();
    PropertyChanged("IconBorder");
}

void ZynBarElement::setHandPointer(bool new_Hand) {
    HandPointer_ = new_Hand;
    PropertyChanged("HandPointer");
}

StdFontPtr ZynBarElement::Font() {
    if (!Font_) Font_ = StdFont::New();
    return Font_;
}

// The caption is drawn and measured in this font: it becomes the surface's font. As with the
// other title properties, the panel shows the change at its next redraw.
void ZynBarElement::setFont(StdFontPtr f) {
    if (!f) throw RuntimeError(errors::ObjectRequired);
    Font_ = std::move(f);
    surface().setFont(Font_);
    PropertyChanged("Font");
}

void ZynBarElement::setUseMask(bool v) {
    UseMask_ = v;
    PropertyChanged("UseMask");
}

void ZynBarElement::setRound(bool v) {
    Round_ = v;
    Paint();
    PropertyChanged("Round");
}

void ZynBarElement::setIcon(StdPicturePtr p) {
    Icon_ = std::move(p);
    Layout();
    PropertyChanged("Icon");
}

bool ZynBarElement::Enabled() const { return IsWindowEnabled(surface().hWnd()) != FALSE; }

void ZynBarElement::setEnabled(bool v) {
    EnableWindow(surface().hWnd(), v ? TRUE : FALSE);
    PropertyChanged("Enabled");
}

// ---- Layout and drawing ---------------------------------------------------------------------------

// A panel shorter than its title bar grows to show all of it.
void ZynBarElement::Layout() {
    Surface& s = surface();
    TitleHeight_ = Caption_.empty() ? 0 : RoundToLong(MaxOf<double>(20, s.TextHeight(Caption_) + 5));
    if (Icon_) TitleHeight_ = RoundToLong(MaxOf<double>(TitleHeight_, IconBorder_ + s.ScaleY(Icon_->Height(), 8, 3)));
    if (s.ScaleHeight() < TitleHeight_) s.setHeight(RoundToLong(s.ScaleY(TitleHeight_, 3, 1)));
    setRound(Round_);
}

// The outer corner pixels take the body colour, and the picture taken now becomes the mask
// in which that colour is see-through.
void ZynBarElement::CutCorners(OLE_COLOR B0) {
    Surface& s = surface();
    const COLORREF c = static_cast<COLORREF>(B0);
    const LONG W = s.ScaleWidth(), H = s.ScaleHeight();
    const LONG corner[8][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {0, 2}, {0, 3}};
    HDC hdc = s.hDC();
    for (const auto& p : corner) {
        SetPixel(hdc, p[0], p[1], c);
        SetPixel(hdc, p[0], H - 1 - p[1], c);
        SetPixel(hdc, W - 1 - p[0], p[1], c);
        SetPixel(hdc, W - 1 - p[0], H - 1 - p[1], c);
    }
    s.setMaskPicture(s.Image());
    s.setMaskColor(B0);
    s.setBackStyle(0);
}

// Every redraw draws everything: there is no off-screen copy.
void ZynBarElement::Paint() {
    if (!IsShown_) return;
    Surface& s = surface();
    s.Cls();
    const float SW = static_cast<float>(s.ScaleWidth()), SH = static_cast<float>(s.ScaleHeight());
    const OLE_COLOR B0 = static_cast<OLE_COLOR>(ShadeColor(static_cast<OLE_COLOR>(TranslateColor(BackColor_)), 48, 0));
    s.setBackStyle(1);
    if (Round_) CutCorners(B0);

    const double step = 25.0 / (SH != TitleHeight_ ? SH - TitleHeight_ : 1);
    for (std::int32_t y = toInteger(TitleHeight_); y <= toInteger(SH); ++y)
        s.Line(0, static_cast<float>(y), SW, static_cast<float>(y), static_cast<OLE_COLOR>(ShadeColor(B0, -step * y, 0)),
               LineKind::FilledBox);

    DrawTitleGradient(s.hDC(), SW, TitleHeight_, BorderColor_, AccentShadeOf(BorderColor_));
    s.setForeColor(TitleForeColor_);
    DrawTitleIconAndCaption(s, TitleContent{Caption_, Icon_, UseMask_, MaskColor_, TitleHeight_});

    s.Line(0, 0, SW - 1, SH - 1, BorderColor_, LineKind::Box);
    s.Line(0, static_cast<float>(TitleHeight_), SW - 1, static_cast<float>(TitleHeight_), BorderColor_);
    if (Round_) DrawCornerMarks(s.hDC(), SW, SH, BorderColor_);
}

// ---- Persistence and life cycle ---------------------------------------------------------------------

// Persistence keeps the order in which the properties are set, read and written; keys and
// defaults come from the description.
void ZynBarElement::InitProperties() {
    applyDefaults({"BorderColor", "TitleForeColor", "BackColor", "ForeColor", "Caption", "Enabled", "Font", "HandPointer",
                   "Round", "Icon", "IconBorder"});
}

void ZynBarElement::ReadProperties(PropertyBag& bag) {
    readFrom(bag, {"BorderColor", "TitleForeColor", "BackColor", "ForeColor", "MaskColor", "Caption", "Enabled", "Round",
                   "UseMask", "Font", "HandPointer", "IconBorder", "Icon"});
}

void ZynBarElement::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"BorderColor", "TitleForeColor", "BackColor", "ForeColor", "MaskColor", "Caption", "Enabled", "Font",
                  "UseMask", "Round", "HandPointer", "Icon", "IconBorder"});
}

void ZynBarElement::Show() {
    IsShown_ = true;
    Paint();
}

}  // namespace ulmaro
