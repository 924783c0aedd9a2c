#include "surface.h"

#include "colors.h"
#include "control.h"
#include "control_window.h"
#include "std_font.h"
#include "unit_conversion.h"
#include "variant.h"

#include <ulmaro/platform/scoped_gdi.h>
#include <ulmaro/platform/host.h>

#include <cmath>
#include <cstring>

namespace ulmaro {

using namespace platform;

namespace {

int px(float v) { return static_cast<int>(roundHalfEven(v)); }

// Splits text at line breaks: CR LF, a lone CR and a lone LF each end a line.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

bool sameLogFont(const LOGFONTA& a, const LOGFONTA& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfPitchAndFamily == b.lfPitchAndFamily && std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

}  // namespace

Surface::Surface(Control& owner) : owner_(owner), font_(StdFont::New()) {}

Surface::~Surface() { destroyWindow(); }

void Surface::createWindow(HWND parent, int left, int top, int width, int height) {
    destroyWindow();
    hwnd_ = CreateControlWindow(owner_, parent, left, top, width, height);
    hdc_ = GetDC(hwnd_);
    applyBorder();
    applySeeThrough();
    // The host draws text on its surfaces with a transparent background.
    SetBkMode(hdc_, TRANSPARENT);
    SetTextColor(hdc_, rgb(foreColor_));
    SetBkColor(hdc_, rgb(backColor_));
}

void Surface::destroyWindow() {
    if (hdc_) {
        if (oldFont_) SelectObject(hdc_, oldFont_);
        ReleaseDC(hwnd_, hdc_);
        hdc_ = nullptr;
        oldFont_ = nullptr;
    }
    if (hfont_) {
        DeleteObject(hfont_);
        hfont_ = nullptr;
    }
    if (hwnd_) {
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    selectedFont_ = LOGFONTA{};
}

COLORREF Surface::rgb(OLE_COLOR c) const { return static_cast<COLORREF>(TranslateColor(c)); }

// The font object may have changed since the last call (controls switch Bold and the like
// on the shared object): select a matching platform font before any text work.
void Surface::syncFont() {
    if (!hdc_ || !font_) return;
    LOGFONTA lf = font_->ToLogFont();
    if (hfont_ && sameLogFont(lf, selectedFont_)) return;
    HFONT f = CreateFontIndirectA(&lf);
    if (!f) return;
    HGDIOBJ previous = SelectObject(hdc_, f);
    if (!oldFont_) oldFont_ = previous;
    if (hfont_) DeleteObject(hfont_);
    hfont_ = f;
    selectedFont_ = lf;
}

HDC Surface::hDC() {
    syncFont();
    return hdc_;
}

std::int32_t Surface::ScaleWidth() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right;
}

std::int32_t Surface::ScaleHeight() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.bottom;
}

std::int32_t Surface::Width() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return (r.right - r.left) * kTwipsPerPixel;
}

std::int32_t Surface::Height() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return (r.bottom - r.top) * kTwipsPerPixel;
}

void Surface::setAppearance(std::int16_t v) {
    appearance_ = v;
    applyBorder();
}

void Surface::setBorderStyle(std::int16_t v) {
    borderStyle_ = v;
    applyBorder();
}

void Surface::applyBorder() {
    if (!hwnd_) return;
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)) & ~WS_BORDER;
    DWORD ex = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)) & ~WS_EX_CLIENTEDGE;
    if (borderStyle_ == 1) {
        if (appearance_ == 1)
            ex |= WS_EX_CLIENTEDGE;
        else
            style |= WS_BORDER;
    }
    SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongA(hwnd_, GWL_EXSTYLE, static_cast<LONG>(ex));
}

namespace {
std::int64_t twipsToPixels(std::int64_t twips) {
    return static_cast<std::int64_t>(roundHalfEven(static_cast<double>(twips) / Surface::kTwipsPerPixel));
}
}  // namespace

bool Surface::setWidth(std::int64_t twips) {
    return owner_.resizeFromSurface(twipsToPixels(twips), Height() / kTwipsPerPixel);
}

bool Surface::setHeight(std::int64_t twips) {
    return owner_.resizeFromSurface(Width() / kTwipsPerPixel, twipsToPixels(twips));
}

double Surface::ScaleX(double width, int fromScale, int toScale) const { return ulmaro::ScaleX(width, fromScale, toScale); }
double Surface::ScaleY(double height, int fromScale, int toScale) const { return ulmaro::ScaleY(height, fromScale, toScale); }

void Surface::setBackColor(OLE_COLOR c) {
    backColor_ = c;
    if (hdc_) SetBkColor(hdc_, rgb(c));
}

void Surface::setForeColor(OLE_COLOR c) {
    foreColor_ = c;
    if (hdc_) SetTextColor(hdc_, rgb(c));
}

void Surface::setFont(std::shared_ptr<StdFont> font) {
    if (!font) throw RuntimeError(errors::ObjectRequired);
    font_ = std::move(font);
    syncFont();
}

void Surface::Cls() {
    ++clears_;
    currentX_ = currentY_ = 0;
    if (!hdc_) return;
    RECT all{0, 0, ScaleWidth(), ScaleHeight()};
    HBRUSH b = CreateSolidBrush(rgb(backColor_));
    FillRect(hdc_, &all, b);
    DeleteObject(b);
}

void Surface::Line(float x1, float y1, float x2, float y2, OLE_COLOR color, LineKind kind) {
    currentX_ = x2;
    currentY_ = y2;
    if (!hdc_) return;
    int ax = px(x1), ay = px(y1), bx = px(x2), by = px(y2);
    COLORREF c = rgb(color);
    if (kind == LineKind::Line) {
        ScopedObject<HPEN> pen(CreatePen(PS_SOLID, 1, c));
        SelectedObject withPen(hdc_, pen);
        MoveToEx(hdc_, ax, ay, nullptr);
        LineTo(hdc_, bx, by);
        return;
    }
    RECT r{std::min(ax, bx), std::min(ay, by), std::max(ax, bx) + 1, std::max(ay, by) + 1};
    HBRUSH brush = CreateSolidBrush(c);
    if (kind == LineKind::FilledBox)
        FillRect(hdc_, &r, brush);
    else
        FrameRect(hdc_, &r, brush);
    DeleteObject(brush);
}

void Surface::PSet(float x, float y, OLE_COLOR color) {
    currentX_ = x;
    currentY_ = y;
    if (hdc_) SetPixelV(hdc_, px(x), px(y), rgb(color));
}

void Surface::Print(const std::string& text) {
    HDC dc = hDC();
    TEXTMETRICA tm{};
    if (dc) GetTextMetricsA(dc, &tm);
    for (const std::string& line : splitLines(text)) {
        if (dc) {
            int oldMode = SetBkMode(dc, TRANSPARENT);
            TextOutA(dc, px(currentX_), px(currentY_), line.c_str(), static_cast<int>(line.size()));
            SetBkMode(dc, oldMode);
        }
        currentY_ += static_cast<float>(tm.tmHeight);
        currentX_ = 0;
    }
}

float Surface::TextWidth(const std::string& text) {
    HDC dc = hDC();
    if (!dc) return 0;
    LONG widest = 0;
    for (const std::string& line : splitLines(text)) {
        SIZE s{};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &s);
        widest = std::max(widest, s.cx);
    }
    return static_cast<float>(widest);
}

float Surface::TextHeight(const std::string& text) {
    HDC dc = hDC();
    if (!dc) return 0;
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    return static_cast<float>(tm.tmHeight * static_cast<LONG>(splitLines(text).size()));
}

SurfaceImagePtr Surface::Image() const {
    auto img = std::make_shared<SurfaceImage>();
    PixelView v = GetWindowSurface(hwnd_);
    img->width = v.width;
    img->height = v.height;
    if (v.px) img->px.assign(v.px, v.px + static_cast<std::size_t>(v.width) * static_cast<std::size_t>(v.height));
    return img;
}

void Surface::setBackStyle(std::int32_t v) {
    if (v == backStyle_) return;
    backStyle_ = v;
    applySeeThrough();
}

void Surface::setMaskColor(OLE_COLOR c) {
    if (c == maskColor_) return;
    maskColor_ = c;
    applySeeThrough();
}

void Surface::setMaskPicture(SurfaceImagePtr p) {
    maskPicture_ = std::move(p);
    applySeeThrough();
}

void Surface::applySeeThrough() {
    if (!hwnd_) return;
    if (backStyle_ != 0) {
        SetWindowOpaqueRgn(hwnd_, nullptr);
        return;
    }
    // One rectangle per run of showing pixels in each row of the mask, built in one sweep.
    std::vector<RECT> runs;
    if (maskPicture_) {
        const COLORREF key = rgb(maskColor_);
        const SurfaceImage& m = *maskPicture_;
        for (int y = 0; y < m.height; ++y) {
            const COLORREF* row = m.px.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(m.width);
            for (int x = 0; x < m.width;) {
                if (row[x] == key) {
                    ++x;
                    continue;
                }
                int start = x;
                while (x < m.width && row[x] != key) ++x;
                runs.push_back(RECT{start, y, x, y + 1});
            }
        }
    }
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()),
                         static_cast<DWORD>(runs.size() * sizeof(RECT)), RECT{0, 0, 0, 0}};
    std::memcpy(data.data(), &header, sizeof header);
    if (!runs.empty()) std::memcpy(data.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    SetWindowOpaqueRgn(hwnd_, ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

bool Surface::opaqueAt(int x, int y) const {
    if (backStyle_ != 0) return true;
    if (!maskPicture_ || x < 0 || y < 0 || x >= maskPicture_->width || y >= maskPicture_->height) return false;
    return maskPicture_->at(x, y) != rgb(maskColor_);
}

}  // namespace ulmaro
