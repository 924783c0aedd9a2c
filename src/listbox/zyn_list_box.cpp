// ZynListBox: plain properties, persistence and the published table.
#include "listbox/zyn_list_box.h"

namespace ulmaro {

using namespace platform;

namespace {

Variant ColorValue(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }

std::int32_t IndexArgument(const std::vector<Variant>& args) {
    if (args.empty() || args[0].isEmpty()) throw RuntimeError(errors::WrongArguments);
    return args[0].toInt32();
}

// The symbol font the surface is created with: its letters "5" and "6" are arrows.
StdFontPtr NewSymbolFont() {
    auto f = std::make_shared<StdFont>("Webdings", 9.75);
    f->SetWeight(static_cast<std::int16_t>(FW_BOLD));
    f->SetCharset(SYMBOL_CHARSET);
    return f;
}

}  // namespace

ZynListBox::ZynListBox() : SymbolFont_(NewSymbolFont()), Timer1("Timer1", 1, [this] { Timer1_Timer(); }) {
    addTimer(Timer1);
}

ZynListBox::~ZynListBox() { ReleaseCache(); }

ClassInfo ZynListBox::describe() {
    using C = ZynListBox;
    const ParamInfo index{"Index", VarType::Empty};

    MemberInfo selected;
    selected.name = "Selected";
    selected.type = VarType::Boolean;
    selected.params = {index};
    selected.get = [](Control& c, std::vector<Variant>& a) { return Variant(static_cast<C&>(c).Selected(IndexArgument(a))); };
    selected.let = [](Control& c, std::vector<Variant>& a, const Variant& v) {
        static_cast<C&>(c).setSelected(IndexArgument(a), v.toBool());
    };

    MemberInfo list;
    list.name = "List";
    list.type = VarType::String;
    list.params = {index};
    list.get = [](Control& c, std::vector<Variant>& a) { return Variant(static_cast<C&>(c).List(IndexArgument(a))); };
    list.let = [](Control& c, std::vector<Variant>& a, const Variant& v) {
        static_cast<C&>(c).setList(IndexArgument(a), v.toString());
    };

    MemberInfo addItem;
    addItem.name = "AddItem";
    addItem.kind = MemberInfo::Kind::Method;
    addItem.params = {ParamInfo{"new_Item", VarType::String}};
    addItem.get = [](Control& c, std::vector<Variant>& a) {
        if (a.empty()) throw RuntimeError(errors::WrongArguments);
        static_cast<C&>(c).AddItem(a[0].toString());
        return Variant();
    };

    MemberInfo removeItem;
    removeItem.name = "RemoveItem";
    removeItem.kind = MemberInfo::Kind::Method;
    removeItem.params = {index};
    removeItem.get = [](Control& c, std::vector<Variant>& a) {
        static_cast<C&>(c).RemoveItem(IndexArgument(a));
        return Variant();
    };

    const ParamInfo button{"Button", VarType::Integer, true}, shift{"Shift", VarType::Integer, true};
    const ParamInfo x{"X", VarType::Single, true}, y{"Y", VarType::Single, true};
    const std::vector<ParamInfo> key{ParamInfo{"KeyCode", VarType::Integer, true}, shift};
    const std::vector<ParamInfo> mouse{button, shift, x, y};

    return ClassBuilder<C>("ZynListBox", "List with title bar, icon, own scroll bar and single or multiple selection")
        .property<&C::hwnd>("hwnd")
        .member(std::move(selected))
        .member(std::move(list))
        .member(std::move(addItem))
        .property<&C::ListCount>("ListCount")
        .property<&C::TitleForeColor, &C::setTitleForeColor>("TitleForeColor")
        .property<&C::BorderColor, &C::setBorderColor>("BorderColor")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::MaskColor, &C::setMaskColor>("MaskColor")
        .property<&C::Caption, &C::setCaption>("Caption")
        .property<&C::HandPointer, &C::setHandPointer>("HandPointer")
        .property<&C::Font, &C::setFont>("Font")
        .property<&C::UseMask, &C::setUseMask>("UseMask")
        .property<&C::MultiSelect, &C::setMultiSelect>("MultiSelect")
        .property<&C::AutoSize, &C::setAutoSize>("AutoSize")
        .property<&C::Round, &C::setRound>("Round")
        .property<&C::Icon, &C::setIcon>("Icon")
        .property<&C::ListIndex, &C::setListIndex>("ListIndex")
        .property<&C::Text>("Text")
        .property<&C::Enabled, &C::setEnabled>("Enabled")
        .method<&C::SelectAll>("SelectAll")
        .method<&C::SelectInvert>("SelectInvert")
        .member(std::move(removeItem))
        .method<&C::Clear>("Clear")
        .event(1, "KeyDown", key)
        .event(2, "KeyUp", key)
        .event(3, "KeyPress", {ParamInfo{"KeyAscii", VarType::Integer, true}})
        .event(4, "MouseDown", mouse)
        .event(5, "MouseUp", mouse)
        .event(6, "MouseMove", mouse)
        .event(7, "ClickOnItem", {button, shift, x, y, ParamInfo{"Item", VarType::Integer, true}})
        .event(8, "Click")
        .event(9, "DblClick")
        .build();
}

// ---- Plain properties ------------------------------------------------------------------------------

std::int32_t ZynListBox::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

// Colours change the cached frame and title too: the next redraw rebuilds them.
void ZynListBox::setTitleForeColor(OLE_COLOR v) {
    TitleForeColor_ = v;
    PropertyChanged("TitleForeColor");
    BackgroundDirty_ = true;
    Paint();
}

void ZynListBox::setBorderColor(OLE_COLOR v) {
    BorderColor_ = v;
    PropertyChanged("BorderColor");
    BackgroundDirty_ = true;
    Paint();
}

void ZynListBox::setForeColor(OLE_COLOR v) {
    ForeColor_ = v;
    PropertyChanged("ForeColor");
    BackgroundDirty_ = true;
    Paint();
}

void ZynListBox::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    PropertyChanged("BackColor");
    BackgroundDirty_ = true;
    Paint();
}

void ZynListBox::setMaskColor(OLE_COLOR v) {
    MaskColor_ = v;
    PropertyChanged("MaskColor");
    BackgroundDirty_ = true;
    Paint();
}

void ZynListBox::setCaption(std::string v) {
    Caption_ = std::move(v);
    Layout();
    PropertyChanged("Caption");
}

void ZynListBox::setHandPointer(bool new_Hand) {
    HandPointer_ = new_Hand;
    PropertyChanged("HandPointer");
}

StdFontPtr ZynListBox::Font() {
    if (!Font_) Font_ = StdFont::New();
    return Font_;
}

void ZynListBox::setFont(StdFontPtr f) {
    if (!f) throw RuntimeError(errors::ObjectRequired);
    Font_ = std::move(f);
    Layout();
    PropertyChanged("Font");
}

void ZynListBox::setUseMask(bool v) {
    UseMask_ = v;
    Paint();
    PropertyChanged("UseMask");
}

// Existing selections stay as they are; only how they are drawn and changed differs.
void ZynListBox::setMultiSelect(bool v) {
    MultiSelect_ = v;
    Paint();
    PropertyChanged("MultiSelect");
}

void ZynListBox::setAutoSize(bool v) {
    AutoSize_ = v;
    Layout();
    PropertyChanged("AutoSize");
}

// The list stays opaque; Round only adds the corner marks. Every layout ends here, so every
// size or content change rebuilds the cached background.
void ZynListBox::setRound(bool v) {
    Round_ = v;
    surface().setBackStyle(1);
    BackgroundDirty_ = true;
    Paint();
    PropertyChanged("Round");
}

void ZynListBox::setIcon(StdPicturePtr p) {
    Icon_ = std::move(p);
    Layout();
    PropertyChanged("Icon");
}

bool ZynListBox::Enabled() const { return IsWindowEnabled(surface().hWnd()) != FALSE; }

void ZynListBox::setEnabled(bool v) {
    EnableWindow(surface().hWnd(), v ? TRUE : FALSE);
    PropertyChanged("Enabled");
}

// ---- Persistence and life cycle ------------------------------------------------------------------------

void ZynListBox::InitProperties() {
    surface().setFont(SymbolFont_);
    AmbientProperties ambient = Ambient();
    setBorderColor(0x8000000D);
    setTitleForeColor(0x8000000E);
    setBackColor(0xFFFFFF);
    setForeColor(0);
    setCaption(ambient.DisplayName);
    setEnabled(true);
    // Each control gets its own copy of the container's font, so that changing one list's
    // font leaves the form and its other controls alone.
    setFont(ambient.Font ? ambient.Font->Clone() : StdFont::New());
    setMultiSelect(false);
    setListIndex(-1);
    setHandPointer(false);
    setRound(false);
    setAutoSize(false);
    setIcon(nullptr);
}

void ZynListBox::ReadProperties(PropertyBag& bag) {
    surface().setFont(SymbolFont_);
    AmbientProperties ambient = Ambient();
    setBorderColor(bag.ReadProperty("BorderColor", ColorValue(0x8000000D)).toColor());
    setTitleForeColor(bag.ReadProperty("TitleForeColor", ColorValue(0x8000000E)).toColor());
    setBackColor(bag.ReadProperty("BackColor", ColorValue(0xFFFFFF)).toColor());
    setForeColor(bag.ReadProperty("ForeColor", ColorValue(0)).toColor());
    setMaskColor(bag.ReadProperty("MaskColor", ColorValue(255)).toColor());
    setCaption(bag.ReadProperty("Caption", ambient.DisplayName).toString());
    setEnabled(bag.ReadProperty("Enabled", true).toBool());
    setRound(bag.ReadProperty("Round", false).toBool());
    setUseMask(bag.ReadProperty("UseMask", false).toBool());
    setListIndex(bag.ReadProperty("ListIndex", static_cast<std::int16_t>(-1)).toInt16());
    StdFontPtr font = bag.ReadProperty("Font", Variant(ambient.Font)).toFont();
    setFont(font == ambient.Font && font ? font->Clone() : font);
    setMultiSelect(bag.ReadProperty("MultiSelect", false).toBool());
    // Written as "AutoSize", read as "autosize": the bag matches keys whatever their case.
    setAutoSize(bag.ReadProperty("autosize", false).toBool());
    setHandPointer(bag.ReadProperty("HandPointer", false).toBool());
    setIcon(bag.ReadProperty("Icon", Variant::nothing()).toPicture());
}

void ZynListBox::WriteProperties(PropertyBag& bag) {
    AmbientProperties ambient = Ambient();
    bag.WriteProperty("BorderColor", ColorValue(BorderColor_), ColorValue(0x8000000D));
    bag.WriteProperty("TitleForeColor", ColorValue(TitleForeColor_), ColorValue(0x8000000E));
    bag.WriteProperty("BackColor", ColorValue(BackColor_), ColorValue(0xFFFFFF));
    bag.WriteProperty("ForeColor", ColorValue(ForeColor_), ColorValue(0));
    bag.WriteProperty("MaskColor", ColorValue(MaskColor_), ColorValue(255));
    bag.WriteProperty("Caption", Caption_, ambient.DisplayName);
    bag.WriteProperty("Enabled", Enabled(), true);
    bag.WriteProperty("Font", Variant(Font()), Variant(ambient.Font));
    bag.WriteProperty("MultiSelect", MultiSelect_, false);
    bag.WriteProperty("AutoSize", AutoSize_, false);
    bag.WriteProperty("UseMask", UseMask_, false);
    bag.WriteProperty("Round", Round_, false);
    bag.WriteProperty("ListIndex", ListIndex_, static_cast<std::int16_t>(-1));
    bag.WriteProperty("HandPointer", HandPointer_, false);
    bag.WriteProperty("Icon", Variant(Icon_), Variant::nothing());
}

void ZynListBox::Show() {
    IsShown_ = true;
    BackgroundDirty_ = true;
    Paint();
}

void ZynListBox::Terminate() { ReleaseCache(); }

}  // namespace ulmaro
