// ZynTextBox: the published table, the core properties, persistence and the inner boxes.
#include "textbox/zyn_text_box.h"

#include "framework/control_window.h"
#include "framework/numeric.h"
#include "framework/runtime_error.h"

namespace ulmaro {

using namespace platform;

namespace {

Variant Long(std::int32_t v) { return Variant(v); }

// Optional arguments arrive as Empty when left out.
std::int32_t ArgOr(const std::vector<Variant>& args, std::size_t i, std::int32_t fallback) {
    return i < args.size() && !args[i].isEmpty() ? args[i].toInt32() : fallback;
}

ParamInfo Optional(std::string name, std::int32_t def, bool byRef = false) {
    return ParamInfo{std::move(name), VarType::Long, byRef, true, Variant(def)};
}

// A member written out by hand: a method, or a read-only property with arguments.
template <class F>
MemberInfo Member(int number, std::string name, MemberInfo::Kind kind, VarType result, std::vector<ParamInfo> params,
                  F f) {
    MemberInfo m;
    m.dispid = number;
    m.name = std::move(name);
    m.kind = kind;
    m.type = result;
    m.params = std::move(params);
    m.get = [f](Control& c, std::vector<Variant>& args) { return f(static_cast<ZynTextBox&>(c), args); };
    return m;
}

constexpr auto Prop = MemberInfo::Kind::Property;
constexpr auto Meth = MemberInfo::Kind::Method;

}  // namespace

ZynTextBox::ZynTextBox() = default;

ZynTextBox::~ZynTextBox() {
    // The boxes go first, while the control's window can still be given back its procedure.
    for (auto& b : Text1) b.reset();
    HWND h = surface().hWnd();
    if (ControlProc_ && IsWindow(h)) SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc_));
}

ClassInfo ZynTextBox::describe() {
    using C = ZynTextBox;
    constexpr LetEffect Store = LetEffect::Store;
    const std::vector<ParamInfo> mouse{ParamInfo{"Button", VarType::Integer, true},
                                       ParamInfo{"Shift", VarType::Integer, true},
                                       ParamInfo{"X", VarType::Single, true}, ParamInfo{"Y", VarType::Single, true}};
    const std::vector<ParamInfo> key{ParamInfo{"KeyCode", VarType::Integer, true},
                                     ParamInfo{"Shift", VarType::Integer, true}};
    const std::vector<ParamInfo> ascii{ParamInfo{"KeyAscii", VarType::Integer, true}};
    const std::vector<ParamInfo> xy{ParamInfo{"X", VarType::Long}, ParamInfo{"Y", VarType::Long}};
    const std::int16_t tabSize = 4, legendWidth = 30, roundness = 5;
    const std::string empty;

    return ClassBuilder<C>("ZynTextBox", "Edit box with a legend, key filters, focus colours and a rounded frame")
        .property<&C::Text, &C::setText>(1, "Text")
        .key()
        .byDefault(AmbientValue::DisplayName)
        .property<&C::SelStart, &C::setSelStart>(2, "SelStart")
        .runtimeOnly()
        .property<&C::SelLength, &C::setSelLength>(3, "SelLength")
        .runtimeOnly()
        .property<&C::MaxLength, &C::setMaxLength>(4, "MaxLength")
        .key()
        .byDefault(0)
        .property<&C::Locked, &C::setLocked>(5, "Locked")
        .key()
        .byDefault(false)
        .property<&C::Enabled, &C::setEnabled>(6, "Enabled")
        .key()
        .byDefault(true)
        .property<&C::PasswordChar, &C::setPasswordChar>(7, "PasswordChar")
        .key()
        .byDefault(empty)
        .property<&C::Alignment, &C::setAlignment>(8, "Alignment")
        .enumType("AlignmentConstants")
        .key()
        .byDefault(0)
        .property<&C::ForeColor, &C::setForeColor>(9, "ForeColor")
        .key()
        .byDefault(SysColor::WindowText)
        .property<&C::BackColor, &C::setBackColor>(10, "BackColor")
        .key()
        .byDefault(SysColor::WindowBackground)
        .property<&C::Font, &C::setFont>(11, "Font")
        .key()
        .byDefault(AmbientValue::Font)
        .property<&C::LegendFont, &C::setLegendFont>(12, "LegendFont")
        .key()
        .byDefault(AmbientValue::Font)
        .property<&C::LegendForeColor, &C::setLegendForeColor>(13, "LegendForeColor")
        .key()
        .byDefault(SysColor::Highlight)
        .property<&C::LeftMargin, &C::setLeftMargin>(14, "LeftMargin")
        .key()
        .byDefault(5)
        .property<&C::TabSize, &C::setTabSize>(15, "TabSize")
        .key()
        .byDefault(tabSize)
        .property<&C::Multiline, &C::setMultiline>(16, "Multiline")
        .key()
        .byDefault(false)
        .property<&C::ScrollBars, &C::setScrollBars>(17, "ScrollBars")
        .enumType("ScrollBarConstants")
        .key()
        .byDefault(0)
        .property<&C::SelectOnFocus, &C::setSelectOnFocus>(18, "SelectOnFocus")
        .key()
        .byDefault(true)
        .property<&C::ShowFocus, &C::setShowFocus>(19, "ShowFocus")
        .key()
        .byDefault(false)
        .field<&C::FocusBackColor_, Store>(20, "FocusBackColor")
        .key()
        .byDefault(SysColor::InfoBackground)
        .field<&C::FocusForeColor_, Store>(21, "FocusForeColor")
        .key()
        .byDefault(SysColor::InfoText)
        .field<&C::MousePointer_, Store>(22, "MousePointer")
        .enumType("CursorConstants")
        .key()
        .byDefault(0)
        .field<&C::LegendMousePointer_, Store>(23, "LegendMousePointer")
        .enumType("CursorConstants")
        .key()
        .byDefault(32512)
        .field<&C::MouseIcon_, Store>(24, "MouseIcon")
        .key()
        .byDefault(nullptr)
        .field<&C::LegendMouseIcon_, Store>(25, "LegendMouseIcon")
        .key()
        .byDefault(nullptr)
        .property<&C::hwnd>(26, "hwnd")
        .runtimeOnly()
        .property<&C::Filter, &C::setFilter>(27, "Filter")
        .key()
        .byDefault(false)
        .property<&C::FilterAllow, &C::setFilterAllow>(28, "FilterAllow")
        .key()
        .byDefault(empty)
        .property<&C::FilterForbid, &C::setFilterForbid>(29, "FilterForbid")
        .key()
        .byDefault(empty)
        .property<&C::Legend, &C::setLegend>(30, "Legend")
        .key()
        .byDefault(empty)
        .property<&C::LegendType, &C::setLegendType>(31, "LegendType")
        .enumType("LegendTypeConstants")
        .key()
        .byDefault(0)
        .property<&C::LegendAutoSize, &C::setLegendAutoSize>(32, "LegendAutoSize")
        .key()
        .byDefault(true)
        .property<&C::LegendWidth, &C::setLegendWidth>(33, "LegendWidth")
        .key()
        .byDefault(legendWidth)
        .property<&C::ShowLegendBorder, &C::setShowLegendBorder>(34, "ShowLegendBorder")
        .key()
        .byDefault(true)
        .property<&C::LegendAlignment, &C::setLegendAlignment>(35, "LegendAlignment")
        .enumType("LegendAlignmentConstants")
        .key()
        .byDefault(37)
        .property<&C::Round, &C::setRound>(36, "Round")
        .enumType("RoundConstants")
        .key()
        .byDefault(0)
        .property<&C::Roundness, &C::setRoundness>(37, "Roundness")
        .key()
        .byDefault(roundness)
        .property<&C::BorderColor, &C::setBorderColor>(38, "BorderColor")
        .key()
        .byDefault(SysColor::Highlight)
        .property<&C::LegendBackColor, &C::setLegendBackColor>(39, "LegendBackColor")
        .key()
        .byDefault(SysColor::Highlight)
        .member(Member(40, "LineCount", Prop, VarType::Long, {},
                       [](C& c, std::vector<Variant>&) { return Long(c.LineCount()); }))
        .member(Member(41, "FirstVisibleLine", Prop, VarType::Long, {},
                       [](C& c, std::vector<Variant>&) { return Long(c.FirstVisibleLine()); }))
        .member(Member(42, "LineIndex", Prop, VarType::Long, {Optional("CharPos", -1)},
                       [](C& c, std::vector<Variant>& a) { return Long(c.LineIndex(ArgOr(a, 0, -1))); }))
        .member(Member(43, "FirstChar", Prop, VarType::Long, {Optional("LineIndex", -1)},
                       [](C& c, std::vector<Variant>& a) { return Long(c.FirstChar(ArgOr(a, 0, -1))); }))
        .member(
            Member(44, "LineLength", Prop, VarType::Long, {Optional("LineIndex", -1), Optional("CharPos", -1)},
                   [](C& c, std::vector<Variant>& a) { return Long(c.LineLength(ArgOr(a, 0, -1), ArgOr(a, 1, -1))); }))
        .member(Member(45, "GetLine", Meth, VarType::String, {Optional("LineIndex", -1)},
                       [](C& c, std::vector<Variant>& a) { return Variant(c.GetLine(ArgOr(a, 0, -1))); }))
        .member(Member(46, "GotoLine", Meth, VarType::Boolean, {ParamInfo{"LineIndex", VarType::Long}},
                       [](C& c, std::vector<Variant>& a) { return Variant(c.GotoLine(ArgOr(a, 0, 0))); }))
        .member(Member(47, "SelectText", Meth, VarType::Empty, {Optional("Start", 0), Optional("Length", 0)},
                       [](C& c, std::vector<Variant>& a) {
                           c.SelectText(ArgOr(a, 0, 0), ArgOr(a, 1, 0));
                           return Variant();
                       }))
        .method<&C::ScrollToBottom>(48, "ScrollToBottom")
        .method<&C::EnsureCaretVisibility>(49, "EnsureCaretVisibility")
        .member(Member(50, "Undo", Meth, VarType::Boolean, {},
                       [](C& c, std::vector<Variant>&) { return Variant(c.Undo()); }))
        .member(Member(51, "CanUndo", Prop, VarType::Boolean, {},
                       [](C& c, std::vector<Variant>&) { return Variant(c.CanUndo()); }))
        .member(Member(52, "OverChar", Meth, VarType::Long, xy,
                       [](C& c, std::vector<Variant>& a) { return Long(c.OverChar(ArgOr(a, 0, 0), ArgOr(a, 1, 0))); }))
        .member(Member(53, "OverLine", Meth, VarType::Long, xy,
                       [](C& c, std::vector<Variant>& a) { return Long(c.OverLine(ArgOr(a, 0, 0), ArgOr(a, 1, 0))); }))
        .member(Member(54, "OverWord", Meth, VarType::String,
                       {ParamInfo{"X", VarType::Long}, ParamInfo{"Y", VarType::Long}, Optional("Start", 0, true),
                        Optional("Length", 0, true)},
                       [](C& c, std::vector<Variant>& a) {
                           std::int32_t start = ArgOr(a, 2, 0), length = ArgOr(a, 3, 0);
                           Variant word(c.OverWord(ArgOr(a, 0, 0), ArgOr(a, 1, 0), start, length));
                           if (a.size() > 2) a[2] = Long(start);
                           if (a.size() > 3) a[3] = Long(length);
                           return word;
                       }))
        .method<&C::Copy>(55, "Copy")
        .method<&C::Cut>(56, "Cut")
        .method<&C::Paste>(57, "Paste")
        .event(1, "Change")
        .event(2, "ForbidKey", ascii)
        .event(3, "KeyDown", key)
        .event(4, "KeyUp", key)
        .event(5, "MouseDown", mouse)
        .event(6, "MouseUp", mouse)
        .event(7, "MouseMove", mouse)
        .event(8, "Click")
        .event(9, "DblClick")
        .event(10, "LegendMouseDown", mouse)
        .event(11, "LegendMouseUp", mouse)
        .event(12, "LegendMouseMove", mouse)
        .event(13, "LegendClick")
        .event(14, "LegendDblClick")
        .event(15, "LineChange")
        .event(16, "Paint")
        .event(17, "KeyPress", ascii)
        .enumeration(EnumInfo{"LegendTypeConstants",
                              {{"LegendType : None", 0}, {"LegendType : String", 1}, {"LegendType : StringV", 2}}})
        .enumeration(EnumInfo{"RoundConstants",
                              {{"Round : No", 0},
                               {"Round : All", 15},
                               {"Round : TopLeft", 1},
                               {"Round : BottomLeft", 2},
                               {"Round : LeftSide", 3},
                               {"Round : TopRight", 4},
                               {"Round : BottomRight", 8},
                               {"Round : RightSide", 12}}})
        .enumeration(EnumInfo{"CursorConstants",
                              {{"Cursor : Default", 0},
                               {"Cursor : AppStarting", 32650},
                               {"Cursor : Arrow", 32512},
                               {"Cursor : Hand", 32649},
                               {"Cursor : Help", 32651},
                               {"Cursor : IBeam", 32513},
                               {"Cursor : Icon", 32641},
                               {"Cursor : No", 32648},
                               {"Cursor : OfflineHand", 103},
                               {"Cursor : Size", 32640},
                               {"Cursor : SizeAll", 32646},
                               {"Cursor : SizeNESW", 32643},
                               {"Cursor : SizeNS", 32645},
                               {"Cursor : SizeNWSE", 32641},
                               {"Cursor : SizeWE", 32644},
                               {"Cursor : UpArrow", 32516},
                               {"Cursor : Wait", 32514}}})
        .enumeration(EnumInfo{"LegendAlignmentConstants",
                              {{"LegendAlignment : TopLeft", 32},
                               {"LegendAlignment : TopCenter", 33},
                               {"LegendAlignment : TopRight", 34},
                               {"LegendAlignment : MiddleLeft", 36},
                               {"LegendAlignment : MiddleCenter", 37},
                               {"LegendAlignment : MiddleRight", 38},
                               {"LegendAlignment : BottomLeft", 40},
                               {"LegendAlignment : BottomCenter", 41},
                               {"LegendAlignment : BottomRight", 42}}})
        // The host's own enumerations for the text box's alignment and scroll bars.
        .enumeration(EnumInfo{"AlignmentConstants", {{"Left Justify", 0}, {"Right Justify", 1}, {"Center", 2}}})
        .enumeration(EnumInfo{"ScrollBarConstants", {{"None", 0}, {"Horizontal", 1}, {"Vertical", 2}, {"Both", 3}}})
        .build();
}

// ---- The inner boxes -----------------------------------------------------------------------------------

void ZynTextBox::CreateBoxes() {
    if (Text1[0]) return;
    HWND h = surface().hWnd();
    for (std::size_t i = 0; i < 2; ++i) {
        Text1[i] = std::make_unique<EditBox>(h, i == 1);
        WireEvents(i);
    }
    Text1[0]->setVisible(true);
    // The control's window hears what its boxes tell their parent, and passes the focus on.
    if (h)
        ControlProc_ =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

EditBox* ZynTextBox::BoxOfWindow(HWND h) const {
    for (const auto& b : Text1)
        if (b && b->hWnd() == h) return b.get();
    return nullptr;
}

LRESULT ZynTextBox::WindowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = dynamic_cast<ZynTextBox*>(ControlOfWindow(h));
    if (!self || !self->ControlProc_) return DefWindowProcA(h, msg, wp, lp);
    switch (msg) {
        case WM_COMMAND:
            if (EditBox* b = self->BoxOfWindow(reinterpret_cast<HWND>(lp))) b->notify(HIWORD(wp));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (EditBox* b = self->BoxOfWindow(reinterpret_cast<HWND>(lp)))
                return reinterpret_cast<LRESULT>(b->ctlColor(reinterpret_cast<HDC>(wp)));
            return 0;
        case WM_SETFOCUS: {
            // The control holds the focus only to hand it to the box it shows.
            const LRESULT r = CallWindowProcA(self->ControlProc_, h, msg, wp, lp);
            if (GetFocus() == h && !self->Terminating_) self->box().SetFocus();
            return r;
        }
        default:
            return CallWindowProcA(self->ControlProc_, h, msg, wp, lp);
    }
}

// ---- Properties -------------------------------------------------------------------------------------

std::int32_t ZynTextBox::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(box().hWnd()));
}

void ZynTextBox::setText(std::string v) {
    box().setText(v);
    PropertyChanged("Text");
}

void ZynTextBox::setSelStart(std::int32_t v) {
    box().setSelStart(v);
    PropertyChanged("SelStart");
}

void ZynTextBox::setSelLength(std::int32_t v) {
    box().setSelLength(v);
    PropertyChanged("SelLength");
}

void ZynTextBox::setMaxLength(std::int32_t v) {
    box().setMaxLength(v);
    PropertyChanged("MaxLength");
}

void ZynTextBox::setLocked(bool v) {
    for (auto& b : Text1) b->setLocked(v);
    PropertyChanged("Locked");
}

void ZynTextBox::setEnabled(bool v) {
    for (auto& b : Text1) b->setEnabled(v);
    PropertyChanged("Enabled");
}

// The multi-line box has no password character.
void ZynTextBox::setPasswordChar(std::string v) {
    Text1[0]->setPasswordChar(v);
    PropertyChanged("PasswordChar");
}

// The host's alignment is a Long; the boxes take an Integer.
void ZynTextBox::setAlignment(std::int32_t v) {
    if (v < -32768 || v > 32767) throw RuntimeError(errors::Overflow);
    for (auto& b : Text1) b->setAlignment(static_cast<std::int16_t>(v));
}

void ZynTextBox::setForeColor(OLE_COLOR v) {
    ForeColor_ = v;
    for (auto& b : Text1) b->setForeColor(v);
}

void ZynTextBox::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    surface().setBackColor(v);
    for (auto& b : Text1) b->setBackColor(v);
    Repaint();
}

// Both boxes share one font object, a copy of the one given.
void ZynTextBox::setFont(std::shared_ptr<StdFont> f) {
    StdFontPtr mine = f ? f->Clone() : StdFont::New();
    for (auto& b : Text1) b->setFont(mine);
    Layout();
}

void ZynTextBox::setLegendFont(std::shared_ptr<StdFont> f) {
    surface().setFont(f ? f->Clone() : StdFont::New());
    Layout();
}

void ZynTextBox::setLegendForeColor(OLE_COLOR v) {
    surface().setForeColor(v);
    Repaint();
}

// The margin reaches the boxes as a posted message, single-line box first.
void ZynTextBox::setLeftMargin(std::int32_t v) {
    LeftMargin_ = v;
    for (auto& b : Text1)
        PostMessageA(b->hWnd(), EM_SETMARGINS, EC_LEFTMARGIN, static_cast<LPARAM>(static_cast<std::uint32_t>(v)));
    PropertyChanged("LeftMargin");
}

// 255 stops, t average characters apart (four dialog units to a character). The table is
// 16-bit: past a TabSize of 32 it overflows after the new size is stored and before the
// box hears of it, so the box keeps its previous stops.
void ZynTextBox::setTabSize(std::int16_t v) {
    TabSize_ = v;
    std::array<int, 255> stops{};
    for (int i = 0; i < 255; ++i) {
        const std::int32_t stop = (i + 1) * 4 * static_cast<std::int32_t>(v);
        if (stop < -32768 || stop > 32767) throw RuntimeError(errors::Overflow);
        stops[static_cast<std::size_t>(i)] = stop;
    }
    Text1[1]->send(EM_SETTABSTOPS, 255, reinterpret_cast<LPARAM>(stops.data()));
    Text1[1]->Refresh();
    PropertyChanged("TabSize");
}

void ZynTextBox::setMultiline(bool v) {
    const std::size_t old = ActiveBox;
    Multiline_ = v;
    ActiveBox = v ? 1 : 0;
    setScrollBars(ScrollBars_);
    Text1[old]->setVisible(false);
    Text1[ActiveBox]->setVisible(true);
    Text1[ActiveBox]->setText(Text1[old]->Text());
    Text1[ActiveBox]->Refresh();
    setLegendType(LegendType_);
}

void ZynTextBox::setScrollBars(std::int32_t v) {
    ScrollBars_ = v;
    if (ActiveBox == 1) {
        HWND h = Text1[1]->hWnd();
        switch (v) {
            case 0:
                FlatSB_ShowScrollBar(h, SB_HORZ, FALSE);
                FlatSB_ShowScrollBar(h, SB_VERT, FALSE);
                break;
            case 1:
                FlatSB_ShowScrollBar(h, SB_HORZ, TRUE);
                FlatSB_ShowScrollBar(h, SB_VERT, FALSE);
                break;
            case 2:
                FlatSB_ShowScrollBar(h, SB_VERT, TRUE);
                FlatSB_ShowScrollBar(h, SB_HORZ, FALSE);
                break;
            case 3:
                FlatSB_ShowScrollBar(h, SB_VERT, TRUE);
                FlatSB_ShowScrollBar(h, SB_HORZ, TRUE);
                break;
            default:
                break;
        }
    }
    Layout();
}

void ZynTextBox::setSelectOnFocus(bool v) {
    SelectOnFocus_ = v;
    PropertyChanged("SelectOnFocus");
}

void ZynTextBox::setShowFocus(bool v) {
    ShowFocus_ = v;
    PropertyChanged("ShowFocus");
}

void ZynTextBox::setFilter(bool v) {
    Filter_ = v;
    PropertyChanged("Filter");
}

void ZynTextBox::setFilterAllow(std::string v) {
    FilterAllow_ = std::move(v);
    PropertyChanged("FilterAllow");
}

void ZynTextBox::setFilterForbid(std::string v) {
    FilterForbid_ = std::move(v);
    PropertyChanged("FilterForbid");
}

// ---- Persistence --------------------------------------------------------------------------------------

void ZynTextBox::InitProperties() {
    Ready = false;
    CreateBoxes();
    const std::string ambientFace = Ambient().Font ? Ambient().Font->Name() : StdFont().Name();
    applyDefaults({"LeftMargin", "Multiline", "LegendType", "Locked", "ScrollBars", "FilterAllow", "FilterForbid",
                   "Filter", "Text"});
    // The ambient face name goes to the font object the boxes share.
    Font()->SetName(ambientFace);
    for (auto& b : Text1) b->setFont(Font());
    applyDefaults({"Enabled", "LegendBackColor", "LegendForeColor", "ShowFocus", "FocusBackColor", "FocusForeColor",
                   "ShowLegendBorder", "TabSize", "Legend"});
    LegendFont()->SetName(ambientFace);
    surface().setFont(LegendFont());
    applyDefaults({"BorderColor", "BackColor", "LegendAutoSize", "LegendWidth", "SelectOnFocus", "Round", "Roundness",
                   "Alignment", "MousePointer", "LegendMousePointer", "MaxLength", "LegendAlignment", "MouseIcon",
                   "LegendMouseIcon"});
    Ready = true;
    Layout();
}

// "Legend" comes before "LegendType", so the saved legend type wins over the one that
// setting the legend derives.
void ZynTextBox::ReadProperties(PropertyBag& bag) {
    Ready = false;
    CreateBoxes();
    readFrom(bag,
             {"Round",           "Roundness",        "LeftMargin",     "MouseIcon", "LegendMouseIcon", "ScrollBars",
              "Multiline",       "ShowLegendBorder", "LegendAutoSize", "Locked",    "Enabled",         "Filter",
              "PasswordChar",    "FilterAllow",      "FilterForbid",   "Text",      "LegendBackColor", "BorderColor",
              "LegendForeColor", "FocusBackColor",   "FocusForeColor", "ShowFocus", "BackColor",       "ForeColor"});
    // A TabSize past 32 was stored by its Let before the tab table overflowed, and saved so;
    // loading it keeps the value and the box's previous stops rather than refusing the form.
    try {
        readFrom(bag, {"TabSize"});
    } catch (const RuntimeError& e) {
        if (e.number != errors::Overflow) throw;
    }
    readFrom(bag, {"LegendWidth", "Legend", "LegendType", "SelectOnFocus", "Alignment", "MousePointer",
                   "LegendMousePointer", "LegendAlignment", "MaxLength", "Font", "LegendFont"});
    Ready = true;
    Layout();
}

// LegendWidth is saved as set, not as the auto-sized width its Get reports.
void ZynTextBox::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"Alignment",      "MouseIcon",      "LegendMouseIcon", "MousePointer",     "LegendMousePointer",
                  "LeftMargin",     "ScrollBars",     "Multiline",       "ShowLegendBorder", "LegendAutoSize",
                  "LegendType",     "Locked",         "Enabled",         "SelectOnFocus",    "Filter",
                  "Round",          "ShowFocus",      "PasswordChar",    "FilterAllow",      "FilterForbid",
                  "Text",           "Font",           "LegendFont",      "LegendBackColor",  "LegendForeColor",
                  "FocusBackColor", "FocusForeColor", "BackColor",       "ForeColor",        "TabSize",
                  "Legend"});
    bag.WriteProperty("LegendWidth", Variant(LegendWidth_), defaultOf("LegendWidth"));
    writeTo(bag, {"BorderColor", "MaxLength", "Roundness", "LegendAlignment"});
}

}  // namespace ulmaro
