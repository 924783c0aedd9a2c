// A control's window and drawing surface, with the drawing services the host gives every
// control: Cls, Line (line, box, filled box), PSet, Print, text measuring, unit conversion,
// colours, font, transparency mask and access keys. The surface draws on the window's
// persistent image, so what a control draws stays until it draws again.
#pragma once

#include "ole_color.h"

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ulmaro {

class Control;
class StdFont;

// A snapshot of a surface's pixels (the host's Image), used as a transparency mask.
struct SurfaceImage {
    int width = 0;
    int height = 0;
    std::vector<platform::COLORREF> px;
    platform::COLORREF at(int x, int y) const { return px[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};
using SurfaceImagePtr = std::shared_ptr<const SurfaceImage>;

enum class LineKind { Line, Box, FilledBox };

class Surface {
public:
    explicit Surface(Control& owner);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Creates the window (a child of `parent`) at a position in the parent's pixels.
    void createWindow(platform::HWND parent, int left, int top, int width, int height);
    void destroyWindow();

    platform::HWND hWnd() const { return hwnd_; }
    // The surface's device context, with the current font selected.
    platform::HDC hDC();

    // Size: scale (client) size in pixels; Width and Height in twips (15 per pixel).
    std::int32_t ScaleWidth() const;
    std::int32_t ScaleHeight() const;
    // The whole control, border included.
    std::int32_t Width() const;
    std::int32_t Height() const;
    // Setting Width or Height asks the host to resize the control (which raises Resize).
    // Twips arrive in 64 bits, so a size past the host's limit is refused rather than
    // wrapped; true when the host granted the size.
    bool setWidth(std::int64_t twips);
    bool setHeight(std::int64_t twips);
    static constexpr int kTwipsPerPixel = 15;
    double ScaleX(double width, int fromScale = 8, int toScale = 3) const;
    double ScaleY(double height, int fromScale = 8, int toScale = 3) const;

    OLE_COLOR BackColor() const { return backColor_; }
    void setBackColor(OLE_COLOR c);
    OLE_COLOR ForeColor() const { return foreColor_; }
    void setForeColor(OLE_COLOR c);
    const std::shared_ptr<StdFont>& Font() const { return font_; }
    void setFont(std::shared_ptr<StdFont> font);

    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }

    // Fills the surface with BackColor and moves the current point to (0, 0).
    void Cls();
    // How many times Cls ran: a full redraw starts with one, so tests count redraws with it.
    int clearCount() const { return clears_; }
    // Line leaves out its last pixel; Box and FilledBox include both corner points.
    void Line(float x1, float y1, float x2, float y2, OLE_COLOR color, LineKind kind = LineKind::Line);
    void PSet(float x, float y, OLE_COLOR color);
    void Print(const std::string& text);
    float TextWidth(const std::string& text);
    float TextHeight(const std::string& text);

    std::int32_t BackStyle() const { return backStyle_; }
    void setBackStyle(std::int32_t v);
    OLE_COLOR MaskColor() const { return maskColor_; }
    void setMaskColor(OLE_COLOR c);
    const SurfaceImagePtr& MaskPicture() const { return maskPicture_; }
    void setMaskPicture(SurfaceImagePtr p);
    SurfaceImagePtr Image() const;

    const std::string& AccessKeys() const { return accessKeys_; }
    void setAccessKeys(std::string keys) { accessKeys_ = std::move(keys); }

    // BorderStyle 1 gives the control a frame: a sunken client edge with Appearance 1 (3-D),
    // a one-pixel line with Appearance 0 (flat). The frame takes room from the client area.
    std::int16_t Appearance() const { return appearance_; }
    void setAppearance(std::int16_t v);
    std::int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(std::int16_t v);

    // The composed look of the surface at a client pixel: whether it shows there, given
    // BackStyle, the mask picture and mask colour (window regions apply as well).
    bool opaqueAt(int x, int y) const;

private:
    void applyBorder();
    // Tells the window which parts of it show: all of it, or with BackStyle 0 where the
    // mask picture differs from the mask colour.
    void applySeeThrough();
    void syncFont();
    platform::COLORREF rgb(OLE_COLOR c) const;

    Control& owner_;
    platform::HWND hwnd_ = nullptr;
    platform::HDC hdc_ = nullptr;
    platform::HFONT hfont_ = nullptr;
    platform::HGDIOBJ oldFont_ = nullptr;
    platform::LOGFONTA selectedFont_{};
    OLE_COLOR backColor_ = 0x8000000F;
    OLE_COLOR foreColor_ = 0x80000012;
    std::shared_ptr<StdFont> font_;
    float currentX_ = 0, currentY_ = 0;
    std::int32_t backStyle_ = 1;
    OLE_COLOR maskColor_ = 0x8000000F;
    SurfaceImagePtr maskPicture_;
    std::string accessKeys_;
    std::int16_t appearance_ = 1;
    std::int16_t borderStyle_ = 0;
    int clears_ = 0;
};

}  // namespace ulmaro
