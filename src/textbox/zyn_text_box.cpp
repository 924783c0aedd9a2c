// ZynTextBox: the core properties, persistence and the published table.
#include "textbox/zyn_text_box.h"

#include "framework/colors.h"
#include "framework/runtime_error.h"

#include <ulmaro/platform/host.h>

namespace ulmaro {

using namespace platform;

namespace {

Variant ColorValue(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }
Variant Long(std::int32_t v) { return Variant(v); }

// Optional arguments arrive as Empty when left out.
std::int32_t ArgOr(const std::vector<Variant>& args, std::size_t i, std::int32_t fallback) {
    return i < args.size() && !args[i].isEmpty() ? args[i].toInt32() : fallback;
}

ParamInfo Optional(std::string name, Variant def, bool byRef = false) {
    return ParamInfo{std::move(name), def.type() == VarType::Empty ? VarType::Long : def.type(), byRef, true, def};
}

template <class F>
MemberInfo Method(std::string name, VarType result, std::vector<ParamInfo> params, F f, bool property = false) {
    MemberInfo m;
    m.name = std::move(name);
    m.kind = property ? MemberInfo::Kind::Property : MemberInfo::Kind::Method;
    m.type = result;
    m.params = std::move(params);
    m.get = [f](Control& c, std::vector<Variant>& args) { return f(static_cast<ZynTextBox&>(c), args); };
    return m;
}

}  // namespace

ZynTextBox::ZynTextBox() = default;

ZynTextBox::~ZynTextBox() = default;

void ZynTextBox::registerEnums() {
    TypeLibrary& lib = TypeLibrary::instance();
    lib.addEnum(EnumInfo{"AlignmentConstants", {{"Left Justify", 0}, {"Right Justify", 1}, {"Center", 2}}});
    lib.addEnum(EnumInfo{"ScrollBarConstants", {{"None", 0}, {"Horizontal", 1}, {"Vertical", 2}, {"Both", 3}}});
    lib.addEnum(EnumInfo{"LegendTypeConstants", {{"LegendType : None", 0}, {"LegendType : String", 1}, {"LegendType : StringV", 2}}});
    lib.addEnum(EnumInfo{"RoundConstants",
                         {{"Round : No", 0}, {"Round : All", 15}, {"Round : TopLeft", 1}, {"Round : BottomLeft", 2},
                          {"Round : LeftSide", 3}, {"Round : TopRight", 4}, {"Round : BottomRight", 8}, {"Round : RightSide", 12}}});
    lib.addEnum(EnumInfo{"LegendAlignmentConstants",
                         {{"LegendAlignment : TopLeft", 32}, {"LegendAlignment : TopCenter", 33}, {"LegendAlignment : TopRight", 34},
                          {"LegendAlignment : MiddleLeft", 36}, {"LegendAlignment : MiddleCenter", 37},
                          {"LegendAlignment : MiddleRight", 38}, {"LegendAlignment : BottomLeft", 40},
                          {"LegendAlignment : BottomCenter", 41}, {"LegendAlignment : BottomRight", 42}}});
    lib.addEnum(EnumInfo{"CursorConstants",
                         {{"Cursor : Default", 0}, {"Cursor : AppStarting", 32650}, {"Cursor : Arrow", 32512},
                          {"Cursor : Hand", 32649}, {"Cursor : Help", 32651}, {"Cursor : IBeam", 32513},
                          {"Cursor : Icon", 32641}, {"Cursor : No", 32648}, {"Cursor : OfflineHand", 103},
                          {"Cursor : Size", 32640}, {"Cursor : SizeAll", 32646}, {"Cursor : SizeNESW", 32643},
                          {"Cursor : SizeNS", 32645}, {"Cursor : SizeNWSE", 32641}, {"Cursor : SizeWE", 32644},
                          {"Cursor : UpArrow", 32516}, {"Cursor : Wait", 32514}}});
}

ClassInfo ZynTextBox::describe() {
    using C = ZynTextBox;
    const std::vector<ParamInfo> mouse{ParamInfo{"Button", VarType::Integer, true}, ParamInfo{"Shift", VarType::Integer, true},
                                       ParamInfo{"X", VarType::Single, true}, ParamInfo{"Y", VarType::Single, true}};
    const std::vector<ParamInfo> key{ParamInfo{"KeyCode", VarType::Integer, true}, ParamInfo{"Shift", VarType::Integer, true}};
    const std::vector<ParamInfo> ascii{ParamInfo{"KeyAscii", VarType::Integer, true}};
    const std::vector<ParamInfo> xy{ParamInfo{"X", VarType::Long}, ParamInfo{"Y", VarType::Long}};

    // Roundness is a byte; the table publishes it as an Integer that must fit.
    MemberInfo roundness;
    roundness.name = "Roundness";
    roundness.type = VarType::Integer;
    roundness.get = [](Control& c, std::vector<Variant>&) { return Variant(static_cast<std::int16_t>(static_cast<C&>(c).Roundness())); };
    roundness.let = [](Control& c, std::vector<Variant>&, const Variant& v) {
        const std::int32_t n = v.toInt32();
        if (n < 0 || n > 255) throw RuntimeError(errors::Overflow);
        static_cast<C&>(c).setRoundness(static_cast<std::uint8_t>(n));
    };

    return ClassBuilder<C>("ZynTextBox", "Edit box with a legend, key filters, focus colours and a rounded frame")
        .property<&C::Text, &C::setText>("Text")
        .property<&C::SelStart, &C::setSelStart>("SelStart")
        .property<&C::SelLength, &C::setSelLength>("SelLength")
        .property<&C::MaxLength, &C::setMaxLength>("MaxLength")
        .property<&C::Locked, &C::setLocked>("Locked")
        .property<&C::Enabled, &C::setEnabled>("Enabled")
        .property<&C::PasswordChar, &C::setPasswordChar>("PasswordChar")
        .property<&C::Alignment, &C::setAlignment>("Alignment", "AlignmentConstants")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::Font, &C::setFont>("Font")
        .property<&C::LegendFont, &C::setLegendFont>("LegendFont")
        .property<&C::LegendForeColor, &C::setLegendForeColor>("LegendForeColor")
        .property<&C::LeftMargin, &C::setLeftMargin>("LeftMargin")
        .property<&C::TabSize, &C::setTabSize>("TabSize")
        .property<&C::Multiline, &C::setMultiline>("Multiline")
        .property<&C::ScrollBars, &C::setScrollBars>("ScrollBars", "ScrollBarConstants")
        .property<&C::SelectOnFocus, &C::setSelectOnFocus>("SelectOnFocus")
        .property<&C::ShowFocus, &C::setShowFocus>("ShowFocus")
        .property<&C::FocusBackColor, &C::setFocusBackColor>("FocusBackColor")
        .property<&C::FocusForeColor, &C::setFocusForeColor>("FocusForeColor")
        .property<&C::MousePointer, &C::setMousePointer>("MousePointer", "CursorConstants")
        .property<&C::LegendMousePointer, &C::setLegendMousePointer>("LegendMousePointer", "CursorConstants")
        .property<&C::MouseIcon, &C::setMouseIcon>("MouseIcon")
        .property<&C::LegendMouseIcon, &C::setLegendMouseIcon>("LegendMouseIcon")
        .property<&C::hwnd>("hwnd")
        .property<&C::Filter, &C::setFilter>("Filter")
        .property<&C::FilterAllow, &C::setFilterAllow>("FilterAllow")
        .property<&C::FilterForbid, &C::setFilterForbid>("FilterForbid")
        .property<&C::Legend, &C::setLegend>("Legend")
        .property<&C::LegendType, &C::setLegendType>("LegendType", "LegendTypeConstants")
        .property<&C::LegendAutoSize, &C::setLegendAutoSize>("LegendAutoSize")
        .property<&C::LegendWidth, &C::setLegendWidth>("LegendWidth")
        .property<&C::ShowLegendBorder, &C::setShowLegendBorder>("ShowLegendBorder")
        .property<&C::LegendAlignment, &C::setLegendAlignment>("LegendAlignment", "LegendAlignmentConstants")
        .property<&C::Round, &C::setRound>("Round", "RoundConstants")
        .member(std::move(roundness))
        .property<&C::BorderColor, &C::setBorderColor>("BorderColor")
        .property<&C::LegendBackColor, &C::setLegendBackColor>("LegendBackColor")
        .property<&C::LineCount>("LineCount")
        .property<&C::FirstVisibleLine>("FirstVisibleLine")
        .member(Method("LineIndex", VarType::Long, {Optional("CharPos", Long(-1))},
                       [](C& c, std::vector<Variant>& a) { return Long(c.LineIndex(ArgOr(a, 0, -1))); }, true))
        .member(Method("FirstChar", VarType::Long, {Optional("LineIndex", Long(-1))},
                       [](C& c, std::vector<Variant>& a) { return Long(c.FirstChar(ArgOr(a, 0, -1))); }, true))
        .member(Method("LineLength", VarType::Long, {Optional("LineIndex", Long(-1)), Optional("CharPos", Long(-1))},
                       [](C& c, std::vector<Variant>& a) { return Long(c.LineLength(ArgOr(a, 0, -1), ArgOr(a, 1, -1))); }, true))
        .member(Method("GetLine", VarType::String, {Optional("LineIndex", Long(-1))},
                       [](C& c, std::vector<Variant>& a) { return Variant(c.GetLine(ArgOr(a, 0, -1))); }))
        .member(Method("GotoLine", VarType::Boolean, {ParamInfo{"LineIndex", VarType::Long}},
                       [](C& c, std::vector<Variant>& a) { return Variant(c.GotoLine(ArgOr(a, 0, 0))); }))
        .member(Method("SelectText", VarType::Empty, {Optional("Start", Long(0)), Optional("Length", Long(0))},
                       [](C& c, std::vector<Variant>& a) {
                           c.SelectText(ArgOr(a, 0, 0), ArgOr(a, 1, 0));
                           return Variant();
                       }))
        .method<&C::ScrollToBottom>("ScrollToBottom")
        .method<&C::EnsureCaretVisibility>("EnsureCaretVisibility")
        .member(Method("Undo", VarType::Boolean, {}, [](C& c, std::vector<Variant>&) { return Variant(c.Undo()); }))
        .property<&C::CanUndo>("CanUndo")
        .member(Method("OverChar", VarType::Long, xy,
                       [](C& c, std::vector<Variant>& a) { return Long(c.OverChar(ArgOr(a, 0, 0), ArgOr(a, 1, 0))); }))
        .member(Method("OverLine", VarType::Long, xy,
                       [](C& c, std::vector<Variant>& a) { return Long(c.OverLine(ArgOr(a, 0, 0), ArgOr(a, 1, 0))); }))
        .member(Method("OverWord", VarType::String,
                       {ParamInfo{"X", VarType::Long}, ParamInfo{"Y", VarType::Long}, Optional("Start", Long(0), true),
                        Optional("Length", Long(0), true)},
                       [](C& c, std::vector<Variant>& a) {
                           std::int32_t start = ArgOr(a, 2, 0), length = ArgOr(a, 3, 0);
                           Variant word(c.OverWord(ArgOr(a, 0, 0), ArgOr(a, 1, 0), start, length));
                           if (a.size() > 2) a[2] = Long(start);
                           if (a.size() > 3) a[3] = Long(length);
                           return word;
                       }))
        .method<&C::Copy>("Copy")
        .method<&C::Cut>("Cut")
        .method<&C::Paste>("Paste")
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
        .enumeration("LegendTypeConstants")
        .enumeration("RoundConstants")
        .enumeration("CursorConstants")
        .enumeration("LegendAlignmentConstants")
        .build();
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

void ZynTextBox::setFont(std::shared_ptr<StdFont> f) {
    for (auto& b : Text1) b->setFont(f);
    Layout();
}

void ZynTextBox::setLegendFont(std::shared_ptr<StdFont> f) {
    surface().setFont(f ? std::move(f) : StdFont::New());
    Layout();
}

void ZynTextBox::setLegendForeColor(OLE_COLOR v) {
    surface().setForeColor(v);
    Repaint();
}

// The margin reaches the boxes as a posted message, single-line box first.
void ZynTextBox::setLeftMargin(std::int32_t v) {
    LeftMargin_ = v;
    for (auto& b : Text1) b->send(EM_SETMARGINS, EC_LEFTMARGIN, static_cast<LPARAM>(static_cast<std::uint32_t>(v)));
    PropertyChanged("LeftMargin");
}

// 255 stops, t average characters apart (four dialog units to a character). The table
// is 16-bit: past a TabSize of 32 it overflows after the new size is stored and before
// the boxes hear of it.
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
            default: break;
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

// ---- Life cycle ---------------------------------------------------------------------------------------

void ZynTextBox::wireEvents(int index) {
    EditBox& b = *Text1[static_cast<std::size_t>(index)];
    EditBox::Events& e = b.events;
    // Text assigned while the properties load raises nothing: the host hears events only
    // once the control is ready.
    e.Change = [this] {
        if (Ready) RaiseEvent("Change");
    };
    e.KeyDown = [this](std::int16_t& KeyCode, std::int16_t& Shift) {
        // Ctrl+A selects everything before the key is reported.
        if (KeyCode == 65 && (Shift & 2)) SelectText(0, -1);
        RaiseEvent("KeyDown", KeyCode, Shift);
    };
    e.KeyUp = [this](std::int16_t& KeyCode, std::int16_t& Shift) { RaiseEvent("KeyUp", KeyCode, Shift); };
    e.KeyPress = [this](std::int16_t& KeyAscii) { FilterKey(KeyAscii); };
    e.MouseDown = [this](std::int16_t& B, std::int16_t& S, float& X, float& Y) { RaiseEvent("MouseDown", B, S, X, Y); };
    e.MouseUp = [this](std::int16_t& B, std::int16_t& S, float& X, float& Y) { RaiseEvent("MouseUp", B, S, X, Y); };
    e.MouseMove = [this](std::int16_t& B, std::int16_t& S, float& X, float& Y) {
        RaiseEvent("MouseMove", B, S, X, Y);
        EditCursor();
    };
    e.Click = [this] { RaiseEvent("Click"); };
    e.GotFocus = [this] { BoxGotFocus(); };
    e.LostFocus = [this] { BoxLostFocus(); };
    e.DblClick = [this] { RaiseEvent("DblClick"); };
}

void ZynTextBox::Show() {}

void ZynTextBox::InitProperties() {
    Ready = false;
    if (!Text1[0]) {
        for (int i = 0; i < 2; ++i) {
            Text1[static_cast<std::size_t>(i)] = std::make_unique<EditBox>(surface().hWnd(), i == 1);
            wireEvents(i);
        }
        Text1[0]->setVisible(true);
    }
    AmbientProperties ambient = Ambient();
    setLeftMargin(5);
    setMultiline(false);
    setLegendType(0);
    setLocked(false);
    setScrollBars(0);
    setFilterAllow("");
    setFilterForbid("");
    setFilter(false);
    setText(ambient.DisplayName);
    // The ambient face name goes to the font objects the boxes and the surface hold.
    Font()->SetName(ambient.Font ? ambient.Font->Name() : Font()->Name());
    setFont(Font());
    setEnabled(true);
    setLegendBackColor(0x8000000D);
    setLegendForeColor(0x8000000D);
    setShowFocus(false);
    setFocusBackColor(0x80000018);
    setFocusForeColor(0x80000017);
    setShowLegendBorder(true);
    setTabSize(4);
    setLegend("");
    LegendFont()->SetName(ambient.Font ? ambient.Font->Name() : LegendFont()->Name());
    setBorderColor(0x8000000D);
    setBackColor(0x80000005);
    setLegendAutoSize(true);
    setLegendWidth(30);
    setSelectOnFocus(true);
    setRound(0);
    setRoundness(5);
    setAlignment(0);
    setMousePointer(0);
    setLegendMousePointer(32512);
    setMaxLength(0);
    setLegendAlignment(37);
    setMouseIcon(nullptr);
    setLegendMouseIcon(nullptr);
    Ready = true;
    Layout();
}

void ZynTextBox::ReadProperties(PropertyBag& bag) {
    Ready = false;
    if (!Text1[0]) {
        for (int i = 0; i < 2; ++i) {
            Text1[static_cast<std::size_t>(i)] = std::make_unique<EditBox>(surface().hWnd(), i == 1);
            wireEvents(i);
        }
        Text1[0]->setVisible(true);
    }
    AmbientProperties ambient = Ambient();
    auto Read = [&](const char* key, const Variant& def) { return bag.ReadProperty(key, def); };
    setRound(Read("Round", Long(0)).toInt32());
    {
        const std::int32_t r = Read("Roundness", Variant(std::int16_t{5})).toInt32();
        if (r < 0 || r > 255) throw RuntimeError(errors::Overflow);
        setRoundness(static_cast<std::uint8_t>(r));
    }
    setLeftMargin(Read("LeftMargin", Long(5)).toInt32());
    setMouseIcon(Read("MouseIcon", Variant::nothing()).toPicture());
    setLegendMouseIcon(Read("LegendMouseIcon", Variant::nothing()).toPicture());
    setScrollBars(Read("ScrollBars", Long(0)).toInt32());
    setMultiline(Read("Multiline", false).toBool());
    setShowLegendBorder(Read("ShowLegendBorder", true).toBool());
    setLegendAutoSize(Read("LegendAutoSize", true).toBool());
    setLocked(Read("Locked", false).toBool());
    setEnabled(Read("Enabled", true).toBool());
    setFilter(Read("Filter", false).toBool());
    setPasswordChar(Read("PasswordChar", "").toString());
    setFilterAllow(Read("FilterAllow", "").toString());
    setFilterForbid(Read("FilterForbid", "").toString());
    setText(Read("Text", ambient.DisplayName).toString());
    setLegendBackColor(Read("LegendBackColor", ColorValue(0x8000000D)).toColor());
    setBorderColor(Read("BorderColor", ColorValue(0x8000000D)).toColor());
    setLegendForeColor(Read("LegendForeColor", ColorValue(0x8000000D)).toColor());
    setFocusBackColor(Read("FocusBackColor", ColorValue(0x80000018)).toColor());
    setFocusForeColor(Read("FocusForeColor", ColorValue(0x80000017)).toColor());
    setShowFocus(Read("ShowFocus", false).toBool());
    setBackColor(Read("BackColor", ColorValue(0x80000005)).toColor());
    setForeColor(Read("ForeColor", ColorValue(0x80000008)).toColor());
    setTabSize(Read("TabSize", Variant(std::int16_t{4})).toInt16());
    setLegendWidth(Read("LegendWidth", Variant(std::int16_t{30})).toInt16());
    setLegend(Read("Legend", "").toString());
    setLegendType(Read("LegendType", Long(0)).toInt32());
    setSelectOnFocus(Read("SelectOnFocus", true).toBool());
    setAlignment(Read("Alignment", Long(0)).toInt32());
    setMousePointer(Read("MousePointer", Long(0)).toInt32());
    setLegendMousePointer(Read("LegendMousePointer", Long(32512)).toInt32());
    setLegendAlignment(Read("LegendAlignment", Long(37)).toInt32());
    setMaxLength(Read("MaxLength", Long(0)).toInt32());
    setFont(Read("Font", Variant(ambient.Font)).toFont());
    setLegendFont(Read("LegendFont", Variant(ambient.Font)).toFont());
    Ready = true;
    Layout();
}

void ZynTextBox::WriteProperties(PropertyBag& bag) {
    AmbientProperties ambient = Ambient();
    bag.WriteProperty("Alignment", Long(Alignment()), Long(0));
    bag.WriteProperty("MouseIcon", Variant(MouseIcon_), Variant::nothing());
    bag.WriteProperty("LegendMouseIcon", Variant(LegendMouseIcon_), Variant::nothing());
    bag.WriteProperty("MousePointer", Long(MousePointer_), Long(0));
    bag.WriteProperty("LegendMousePointer", Long(LegendMousePointer_), Long(32512));
    bag.WriteProperty("LeftMargin", Long(LeftMargin_), Long(5));
    bag.WriteProperty("ScrollBars", Long(ScrollBars_), Long(0));
    bag.WriteProperty("Multiline", Multiline_, false);
    bag.WriteProperty("ShowLegendBorder", ShowLegendBorder_, true);
    bag.WriteProperty("LegendAutoSize", LegendAutoSize_, true);
    bag.WriteProperty("LegendType", Long(LegendType_), Long(0));
    bag.WriteProperty("Locked", Locked(), false);
    bag.WriteProperty("Enabled", Enabled(), true);
    bag.WriteProperty("SelectOnFocus", SelectOnFocus_, true);
    bag.WriteProperty("Filter", Filter_, false);
    bag.WriteProperty("Round", Long(Round_), Long(0));
    bag.WriteProperty("ShowFocus", ShowFocus_, false);
    bag.WriteProperty("PasswordChar", PasswordChar(), "");
    bag.WriteProperty("FilterAllow", FilterAllow_, "");
    bag.WriteProperty("FilterForbid", FilterForbid_, "");
    bag.WriteProperty("Text", Text(), ambient.DisplayName);
    bag.WriteProperty("Font", Variant(Font()), Variant(ambient.Font));
    bag.WriteProperty("LegendFont", Variant(LegendFont()), Variant(ambient.Font));
    bag.WriteProperty("LegendBackColor", ColorValue(LegendBackColor_), ColorValue(0x8000000D));
    bag.WriteProperty("LegendForeColor", ColorValue(LegendForeColor()), ColorValue(0x8000000D));
    bag.WriteProperty("FocusBackColor", ColorValue(FocusBackColor_), ColorValue(0x80000018));
    bag.WriteProperty("FocusForeColor", ColorValue(FocusForeColor_), ColorValue(0x80000017));
    bag.WriteProperty("BackColor", ColorValue(BackColor_), ColorValue(0x80000005));
    bag.WriteProperty("ForeColor", ColorValue(ForeColor()), ColorValue(0x80000008));
    bag.WriteProperty("TabSize", TabSize_, std::int16_t{4});
    bag.WriteProperty("Legend", Legend_, "");
    bag.WriteProperty("LegendWidth", LegendWidth_, std::int16_t{30});
    bag.WriteProperty("BorderColor", ColorValue(BorderColor_), ColorValue(0x8000000D));
    bag.WriteProperty("MaxLength", Long(MaxLength()), Long(0));
    bag.WriteProperty("Roundness", static_cast<std::int16_t>(Roundness_), std::int16_t{5});
    bag.WriteProperty("LegendAlignment", Long(LegendAlignment_), Long(37));
}

}  // namespace ulmaro
