// ZynToolTip: one system tooltip window with one tool, the whole client area of a target
// window, optionally a balloon, with a title and a standard icon. The object has no window
// of its own and raises no events; it only talks to its tooltip window by messages.
#pragma once

#include "framework/control.h"

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <string>

namespace ulmaro {

enum ZynToolTip_Icon : std::int32_t { ZTI_None = 0, ZTI_Info = 1, ZTI_Warning = 2, ZTI_Error = 3 };

class ZynToolTip : public Control {
public:
    static ClassInfo describe();

    // Optional arguments of Attach, with their defaults.
    struct AttachOptions {
        std::string ToolTipText;
        Variant Title;
        std::int32_t Icon = ZTI_None;
        bool Balloon = true;
        bool Centered = false;
    };
    void Attach(std::int32_t hwnd, const AttachOptions& options);
    void Attach(std::int32_t hwnd) { Attach(hwnd, AttachOptions{}); }
    void Show();
    void Remove();

    const std::string& ToolTipText() const { return ToolTipText_; }
    void setToolTipText(std::string v);
    const std::string& Title() const { return Title_; }
    void setTitle(std::string v);
    std::int32_t Icon() const { return Icon_; }
    void setIcon(std::int32_t v);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    OLE_COLOR ForeColor() const { return ForeColor_; }
    void setForeColor(OLE_COLOR v);
    std::int32_t hwnd() const;

    // The tool record as Attach filled it (what TTM_ messages carry).
    const platform::TTTOOLINFOA& toolRecord() const { return ti_; }

private:
    void sendTitle(std::int32_t icon, const std::string& title);

    OLE_COLOR BackColor_ = 0x80000018;  // the system's info background
    OLE_COLOR ForeColor_ = 0x80000017;  // the system's info text
    std::string ToolTipText_;
    std::string Title_;
    std::int32_t Icon_ = ZTI_None;
    platform::HWND tip_ = nullptr;
    platform::HWND target_ = nullptr;
    platform::TTTOOLINFOA ti_{};
    std::string recordText_;  // the ANSI text the tool record points at
};

}  // namespace ulmaro
