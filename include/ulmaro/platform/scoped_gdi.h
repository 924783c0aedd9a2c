// Scoped ownership for device contexts and GDI objects: each guard undoes on scope exit what
// its constructor did (delete an object, delete or release a device context, select the
// previous object back, restore a saved state), on every return path.
#pragma once

#include <ulmaro/platform/win32.h>

#include <utility>

namespace ulmaro::platform {

// Owns a pen, brush, bitmap, region or font: DeleteObject when the guard goes.
template <class H>
class ScopedObject {
public:
    ScopedObject() = default;
    explicit ScopedObject(H h) : h_(h) {}
    ~ScopedObject() { reset(); }
    ScopedObject(ScopedObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    ScopedObject& operator=(ScopedObject&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    ScopedObject(const ScopedObject&) = delete;
    ScopedObject& operator=(const ScopedObject&) = delete;

    H get() const { return h_; }
    operator H() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    // Gives the handle up without deleting it.
    H release() { return std::exchange(h_, nullptr); }
    void reset(H h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

using ScopedPen = ScopedObject<HPEN>;
using ScopedBrush = ScopedObject<HBRUSH>;
using ScopedBitmap = ScopedObject<HBITMAP>;
using ScopedRegion = ScopedObject<HRGN>;
using ScopedFont = ScopedObject<HFONT>;

// A memory device context compatible with `hdc` (or the screen): DeleteDC when the guard goes.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : h_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (h_) DeleteDC(h_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return h_; }
    operator HDC() const { return h_; }

private:
    HDC h_;
};

// A window's device context (the screen's for nullptr): ReleaseDC when the guard goes.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), h_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (h_) ReleaseDC(hwnd_, h_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return h_; }
    operator HDC() const { return h_; }

private:
    HWND hwnd_;
    HDC h_;
};

// Selects an object into a device context and selects the previous one back when the guard
// goes. Declare it after the guard that owns the object, so that the object is deselected
// before it is deleted.
class SelectedObject {
public:
    SelectedObject(HDC hdc, HGDIOBJ obj) : hdc_(hdc), previous_(SelectObject(hdc, obj)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(hdc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    // The object that was selected before (nullptr if the selection failed).
    HGDIOBJ previous() const { return previous_; }

private:
    HDC hdc_;
    HGDIOBJ previous_;
};

// Saves a device context's state (objects, colours, modes, clip region) and restores it
// when the guard goes.
class SavedDC {
public:
    explicit SavedDC(HDC hdc) : hdc_(hdc), level_(SaveDC(hdc)) {}
    ~SavedDC() {
        if (level_) RestoreDC(hdc_, level_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC hdc_;
    int level_;
};

}  // namespace ulmaro::platform
