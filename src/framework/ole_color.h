// OLE_COLOR: the host's 32-bit colour. With bit 31 set it names a system colour (the index
// is in the low bits); otherwise it is RGB 0x00BBGGRR, red in the low byte.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>

namespace ulmaro {

using OLE_COLOR = std::uint32_t;

constexpr OLE_COLOR kSystemColorFlag = 0x80000000u;

constexpr bool IsSystemColor(OLE_COLOR color) { return (color & kSystemColorFlag) != 0; }

// The GetSysColor index a system colour names.
constexpr int SystemColorIndex(OLE_COLOR color) { return static_cast<int>(color & ~kSystemColorFlag); }

// The OLE_COLOR naming system colour `index` (COLOR_BTNFACE = 15 gives 0x8000000F).
constexpr OLE_COLOR SystemColor(int index) { return kSystemColorFlag | static_cast<OLE_COLOR>(index); }

// The system colours by the names the host language gives them.
namespace SysColor {
inline constexpr OLE_COLOR ScrollBars = SystemColor(platform::COLOR_SCROLLBAR);
inline constexpr OLE_COLOR Desktop = SystemColor(platform::COLOR_BACKGROUND);
inline constexpr OLE_COLOR ActiveTitleBar = SystemColor(platform::COLOR_ACTIVECAPTION);
inline constexpr OLE_COLOR InactiveTitleBar = SystemColor(platform::COLOR_INACTIVECAPTION);
inline constexpr OLE_COLOR MenuBar = SystemColor(platform::COLOR_MENU);
inline constexpr OLE_COLOR WindowBackground = SystemColor(platform::COLOR_WINDOW);
inline constexpr OLE_COLOR WindowFrame = SystemColor(platform::COLOR_WINDOWFRAME);
inline constexpr OLE_COLOR MenuText = SystemColor(platform::COLOR_MENUTEXT);
inline constexpr OLE_COLOR WindowText = SystemColor(platform::COLOR_WINDOWTEXT);
inline constexpr OLE_COLOR TitleBarText = SystemColor(platform::COLOR_CAPTIONTEXT);
inline constexpr OLE_COLOR ActiveBorder = SystemColor(platform::COLOR_ACTIVEBORDER);
inline constexpr OLE_COLOR InactiveBorder = SystemColor(platform::COLOR_INACTIVEBORDER);
inline constexpr OLE_COLOR ApplicationWorkspace = SystemColor(platform::COLOR_APPWORKSPACE);
inline constexpr OLE_COLOR Highlight = SystemColor(platform::COLOR_HIGHLIGHT);
inline constexpr OLE_COLOR HighlightText = SystemColor(platform::COLOR_HIGHLIGHTTEXT);
inline constexpr OLE_COLOR ButtonFace = SystemColor(platform::COLOR_BTNFACE);
inline constexpr OLE_COLOR ButtonShadow = SystemColor(platform::COLOR_BTNSHADOW);
inline constexpr OLE_COLOR GrayText = SystemColor(platform::COLOR_GRAYTEXT);
inline constexpr OLE_COLOR ButtonText = SystemColor(platform::COLOR_BTNTEXT);
inline constexpr OLE_COLOR InactiveCaptionText = SystemColor(platform::COLOR_INACTIVECAPTIONTEXT);
inline constexpr OLE_COLOR ThreeDHighlight = SystemColor(platform::COLOR_BTNHIGHLIGHT);
inline constexpr OLE_COLOR ThreeDDKShadow = SystemColor(platform::COLOR_3DDKSHADOW);
inline constexpr OLE_COLOR ThreeDLight = SystemColor(platform::COLOR_3DLIGHT);
inline constexpr OLE_COLOR InfoText = SystemColor(platform::COLOR_INFOTEXT);
inline constexpr OLE_COLOR InfoBackground = SystemColor(platform::COLOR_INFOBK);
}  // namespace SysColor

}  // namespace ulmaro
