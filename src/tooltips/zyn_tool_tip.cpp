#include "zyn_tool_tip.h"

#include "framework/colors.h"

#include <vector>

namespace ulmaro {

using namespace platform;

namespace {

constexpr UINT kToolFlags = TTF_SUBCLASS;      // 16
constexpr UINT kCentredFlag = TTF_CENTERTIP;   // 2
constexpr DWORD kStyle = TTS_ALWAYSTIP | TTS_NOPREFIX;  // 3

HWND handleOf(std::int32_t v) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(v))); }

// The string as the wide functions take it.
std::u16string wide(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::u16string w(static_cast<std::size_t>(n), u'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

// Arguments of a method call: the one at `i`, or Empty when the caller left it out.
const Variant& arg(const std::vector<Variant>& a, std::size_t i) {
    static const Variant missing;
    return i < a.size() ? a[i] : missing;
}

}  // namespace

ClassInfo ZynToolTip::describe() {
    using C = ZynToolTip;
    MemberInfo attach;
    attach.dispid = 1;
    attach.name = "Attach";
    attach.kind = MemberInfo::Kind::Method;
    attach.params = {ParamInfo{"hwnd", VarType::Long},
                     ParamInfo{"ToolTipText", VarType::String, false, true, Variant("")},
                     ParamInfo{"Title", VarType::Empty, false, true, Variant()},
                     ParamInfo{"Icon", VarType::Long, false, true, Variant(std::int32_t{0})},
                     ParamInfo{"Balloon", VarType::Boolean, false, true, Variant(true)},
                     ParamInfo{"Centered", VarType::Boolean, false, true, Variant(false)}};
    attach.get = [](Control& c, std::vector<Variant>& a) {
        AttachOptions o;
        if (!arg(a, 1).isEmpty()) o.ToolTipText = arg(a, 1).toString();
        o.Title = arg(a, 2);
        if (!arg(a, 3).isEmpty()) o.Icon = arg(a, 3).toInt32();
        if (!arg(a, 4).isEmpty()) o.Balloon = arg(a, 4).toBool();
        if (!arg(a, 5).isEmpty()) o.Centered = arg(a, 5).toBool();
        static_cast<C&>(c).Attach(arg(a, 0).toInt32(), o);
        return Variant();
    };
    return ClassBuilder<C>("ZynToolTip", "A system tooltip attached to any window")
        .member(std::move(attach))
        .method<&C::Show>(2, "Show")
        .method<&C::Remove>(3, "Remove")
        .property<&C::ToolTipText, &C::setToolTipText>(4, "ToolTipText")
        .property<&C::Title, &C::setTitle>(5, "Title")
        .property<&C::Icon, &C::setIcon>(6, "Icon").enumType("ZynToolTip_Icon")
        .property<&C::BackColor, &C::setBackColor>(7, "BackColor")
        .property<&C::ForeColor, &C::setForeColor>(8, "ForeColor")
        .property<&C::hwnd>(9, "hwnd")
        .flags(false, false)
        .enumeration(EnumInfo{"ZynToolTip_Icon", {{"ZTI_None", ZTI_None}, {"ZTI_Info", ZTI_Info}, {"ZTI_Warning", ZTI_Warning}, {"ZTI_Error", ZTI_Error}}})
        .build();
}

void ZynToolTip::Attach(std::int32_t hwnd, const AttachOptions& o) {
    // 1. The window style.
    DWORD style = kStyle | (o.Balloon ? TTS_BALLOON : 0);
    // 2. The target window.
    target_ = handleOf(hwnd);
    // 3. A new tooltip window, owned by the one this object made before; that one stays.
    // This host runs as one module without an instance handle of its own, so the tool
    // record carries none.
    HINSTANCE instance = nullptr;
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, tip_, nullptr, instance, nullptr);
    if (site()) site()->adoptWindow(tip_);
    // 4. Topmost, without moving, sizing or activating it.
    SetWindowPos(tip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    // 5. The tool record: the target's client area as it is now.
    recordText_ = o.ToolTipText;
    ti_ = TTTOOLINFOA{};
    ti_.cbSize = TTTOOLINFOA_V2_SIZE;
    ti_.uFlags = kToolFlags | (o.Centered ? kCentredFlag : 0);
    ti_.hwnd = target_;
    ti_.uId = 0;
    GetClientRect(target_, &ti_.rect);
    ti_.hinst = instance;
    ti_.lpszText = recordText_.data();
    ti_.lParam = 0;
    // 6. The stored values.
    ToolTipText_ = o.ToolTipText;
    Icon_ = o.Icon;
    Title_ = o.Title.isEmpty() ? std::string() : o.Title.toString();
    // 7 and 8. The tool, then the title with its icon.
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti_));
    sendTitle(Icon_, Title_);
}

void ZynToolTip::sendTitle(std::int32_t icon, const std::string& title) {
    std::u16string w = wide(title);
    SendMessageA(tip_, TTM_SETTITLEW, static_cast<WPARAM>(static_cast<std::uint32_t>(icon)), reinterpret_cast<LPARAM>(w.c_str()));
}

// Only an edit control answers: it shows a balloon of its own.
void ZynToolTip::Show() {
    std::u16string title = wide(Title_), text = wide(ToolTipText_);
    EDITBALLOONTIP b{};
    b.cbStruct = sizeof b;
    b.pszTitle = title.c_str();
    b.pszText = text.c_str();
    b.ttiIcon = Icon_;
    SendMessageA(target_, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&b));
}

// The window goes; the object keeps its handle, and later sets still send to it.
void ZynToolTip::Remove() { DestroyWindow(tip_); }

void ZynToolTip::setToolTipText(std::string v) {
    ToolTipText_ = std::move(v);
    recordText_ = ToolTipText_;
    ti_.lpszText = recordText_.data();
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti_));
}

void ZynToolTip::setTitle(std::string v) {
    Title_ = std::move(v);
    sendTitle(Icon_, Title_);
}

void ZynToolTip::setIcon(std::int32_t v) {
    Icon_ = v;
    sendTitle(Icon_, Title_);
}

void ZynToolTip::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    SendMessageA(tip_, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(TranslateColor(v)), 0);
}

void ZynToolTip::setForeColor(OLE_COLOR v) {
    ForeColor_ = v;
    SendMessageA(tip_, TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(TranslateColor(v)), 0);
}

std::int32_t ZynToolTip::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(tip_));
}

}  // namespace ulmaro
