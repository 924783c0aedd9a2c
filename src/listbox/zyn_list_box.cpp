// ZynListBox: plain properties, persistence and the published table.
#include "listbox/zyn_list_box.h"

namespace ulmaro {

using namespace platform;

namespace {

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
    selected.dispid = 2;
    selected.runtimeOnly = true;
    selected.name = "Selected";
    selected.type = VarType::Boolean;
    selected.params = {index};
    selected.get = [](Control& c, std::vector<Variant>& a) { return Variant(static_cast<C&>(c).Selected(IndexArgument(a))); };
    selected.let = [](Control& c, std::vector<Variant>& a, const Variant& v) {
        static_cast<C&>(c).setSelected(IndexArgument(a), v.toBool());
    };

    MemberInfo list;
    list.dispid = 3;
    list.runtimeOnly = true;
    list.name = "List";
    list.type = VarType::String;
    list.params = {index};
    list.get = [](Control& c, std::vector<Variant>& a) { return Variant(static_cast<C&>(c).List(IndexArgument(a))); };
    list.let = [](Control& c, std::vector<Variant>& a, const Variant& v) {
        static_cast<C&>(c).setList(IndexArgument(a), v.toString());
    };

    MemberInfo addItem;
    addItem.dispid = 4;
    addItem.name = "AddItem";
    addItem.kind = MemberInfo::Kind::Method;
    addItem.params = {ParamInfo{"new_Item", VarType::String}};
    addItem.get = [](Control& c, std::vector<Variant>& a) {
        if (a.empty()) throw RuntimeError(errors::WrongArguments);
        static_cast<C&>(c).AddItem(a[0].toString());
        return Variant();
    };

    MemberInfo removeItem;
    removeItem.dispid = 24;
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
        .property<&C::hwnd>(1, "hwnd").runtimeOnly()
        .member(std::move(selected))
        .member(std::move(list))
        .member(std::move(addItem))
        .property<&C::ListCount>(5, "ListCount").runtimeOnly()
        .property<&C::TitleForeColor, &C::setTitleForeColor>(6, "TitleForeColor").key().byDefault(SysColor::HighlightText)
        .property<&C::BorderColor, &C::setBorderColor>(7, "BorderColor").key().byDefault(SysColor::Highlight)
        .property<&C::ForeColor, &C::setForeColor>(8, "ForeColor").key().byDefault(OLE_COLOR{0})
        .property<&C::BackColor, &C::setBackColor>(9, "BackColor").key().byDefault(OLE_COLOR{0xFFFFFF})
        .property<&C::MaskColor, &C::setMaskColor>(10, "MaskColor").key().byDefault(OLE_COLOR{255})
        .property<&C::Caption, &C::setCaption>(11, "Caption").key().byDefault(AmbientValue::DisplayName)
        .property<&C::HandPointer, &C::setHandPointer>(12, "HandPointer").key().byDefault(false)
        .property<&C::Font, &C::setFont>(13, "Font").key().byDefault(AmbientValue::Font)
        .property<&C::UseMask, &C::setUseMask>(14, "UseMask").key().byDefault(false)
        .property<&C::MultiSelect, &C::setMultiSelect>(15, "MultiSelect").key().byDefault(false)
        // Written as "AutoSize", read as "autosize" (the bag matches keys whatever their case).
        .property<&C::AutoSize, &C::setAutoSize>(16, "AutoSize").keys("AutoSize", "autosize").byDefault(false)
        .property<&C::Round, &C::setRound>(17, "Round").key().byDefault(false)
        .property<&C::Icon, &C::setIcon>(18, "Icon").key().byDefault(nullptr)
        .property<&C::ListIndex, &C::setListIndex>(19, "ListIndex").key().byDefault(std::int16_t{-1})
        .property<&C::Text>(20, "Text").runtimeOnly()
        .property<&C::Enabled, &C::setEnabled>(21, "Enabled").key().byDefault(true)
        .method<&C::SelectAll>(22, "SelectAll")
        .method<&C::SelectInvert>(23, "SelectInvert")
        .member(std::move(removeItem))
        .method<&C::Clear>(25, "Clear")
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

// Persistence keeps the order in which the properties are set, read and written; keys and
// defaults come from the description. The symbol font goes on the surface first: the title
// is measured with it.
void ZynListBox::InitProperties() {
    surface().setFont(SymbolFont_);
    applyDefaults({"BorderColor", "TitleForeColor", "BackColor", "ForeColor", "Caption", "Enabled", "Font", "MultiSelect",
                   "ListIndex", "HandPointer", "Round", "AutoSize", "Icon"});
}

void ZynListBox::ReadProperties(PropertyBag& bag) {
    surface().setFont(SymbolFont_);
    readFrom(bag, {"BorderColor", "TitleForeColor", "BackColor", "ForeColor", "MaskColor", "Caption", "Enabled", "Round",
                   "UseMask", "ListIndex", "Font", "MultiSelect", "AutoSize", "HandPointer", "Icon"});
}

void ZynListBox::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"BorderColor", "TitleForeColor", "BackColor", "ForeColor", "MaskColor", "Caption", "Enabled", "Font",
                  "MultiSelect", "AutoSize", "UseMask", "Round", "ListIndex", "HandPointer", "Icon"});
}

void ZynListBox::Show() {
    IsShown_ = true;
    BackgroundDirty_ = true;
    Paint();
}

void ZynListBox::Terminate() { ReleaseCache(); }

}  // namespace ulmaro
