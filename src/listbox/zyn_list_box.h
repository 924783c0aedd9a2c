// ZynListBox: an owner-drawn list of text items under an optional title bar (caption and
// icon), with its own narrow scroll bar, single or multiple selection and optional rounded
// corner marks. The frame, title and scroll-bar body are drawn once into an off-screen copy;
// later redraws copy it back and draw only what moves (selection, texts, thumb).
#pragma once

#include "framework/control.h"
#include "framework/std_font.h"
#include "framework/std_picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ulmaro {

class ZynListBox : public Control {
public:
    ZynListBox();
    ~ZynListBox() override;
    static ClassInfo describe();

    // ---- Properties and methods of _ZynListBox -----------------------------------------------
    std::int32_t hwnd() const;
    bool Selected(std::int32_t Index) const;
    void setSelected(std::int32_t Index, bool v);
    std::string List(std::int32_t Index) const;
    void setList(std::int32_t Index, std::string v);
    void AddItem(std::string new_Item);
    std::int16_t ListCount() const { return ListCount_; }
    OLE_COLOR TitleForeColor() const { return TitleForeColor_; }
    void setTitleForeColor(OLE_COLOR v);
    OLE_COLOR BorderColor() const { return BorderColor_; }
    void setBorderColor(OLE_COLOR v);
    OLE_COLOR ForeColor() const { return ForeColor_; }
    void setForeColor(OLE_COLOR v);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    OLE_COLOR MaskColor() const { return MaskColor_; }
    void setMaskColor(OLE_COLOR v);
    const std::string& Caption() const { return Caption_; }
    void setCaption(std::string v);
    bool HandPointer() const { return HandPointer_; }
    void setHandPointer(bool new_Hand);
    StdFontPtr Font();
    void setFont(StdFontPtr f);
    bool UseMask() const { return UseMask_; }
    void setUseMask(bool v);
    bool MultiSelect() const { return MultiSelect_; }
    void setMultiSelect(bool v);
    bool AutoSize() const { return AutoSize_; }
    void setAutoSize(bool v);
    bool Round() const { return Round_; }
    void setRound(bool v);
    StdPicturePtr Icon() const { return Icon_; }
    void setIcon(StdPicturePtr p);
    std::int16_t ListIndex() const { return ListIndex_; }
    void setListIndex(std::int16_t n);
    std::string Text() const;
    bool Enabled() const;
    void setEnabled(bool v);
    void SelectAll();
    void SelectInvert();
    void RemoveItem(std::int32_t Index);
    void Clear();

    // State the tests and the benchmark look at.
    std::int32_t TopIndex() const { return TopIndex_; }
    std::int32_t VisibleRows() const { return VisibleRows_; }
    std::int32_t TitleHeight() const { return TitleHeight_; }
    bool ScrollNeeded() const { return ScrollNeeded_; }
    std::size_t slotCount() const { return ItemText_.size(); }
    const platform::RECT& thumbRect() const { return ThumbRect_; }
    const platform::RECT& upArrowRect() const { return UpArrowRect_; }
    const platform::RECT& downArrowRect() const { return DownArrowRect_; }
    bool thumbDragging() const { return ThumbDragging_; }
    bool upPressed() const { return UpPressed_; }
    bool downPressed() const { return DownPressed_; }
    bool hasCache() const { return CacheDC_ != nullptr; }
    const Timer& timer1() const { return Timer1; }

    // ---- Host notifications -----------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override { Layout(); }
    void Paint() override;
    void Show() override;
    void Terminate() override;
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void KeyPress(std::int16_t& KeyAscii) override;
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void Click() override;
    void DblClick() override;

private:
    // Model (zyn_list_box_items.cpp).
    void Layout();
    std::int32_t RowsBelowTitle();
    bool InRange(std::int32_t i) const { return i >= 0 && static_cast<std::size_t>(i) < ItemText_.size(); }
    void Deselect(std::int32_t from, std::int32_t to);
    void SetItemSelected(std::int32_t i, bool v);
    // Drawing (zyn_list_box_paint.cpp).
    void RebuildBackground(OLE_COLOR AccentShade);
    void DrawScrollBarBody(OLE_COLOR AccentShade);
    void PrintArrow(const char* arrow, float y);
    void DrawSelection(OLE_COLOR AccentShade, std::int32_t R);
    void DrawItemTexts(std::int32_t R);
    void DrawThumb(OLE_COLOR AccentShade);
    void ReleaseCache();
    // Input (zyn_list_box_input.cpp).
    bool InScrollRect(const platform::RECT& r, platform::POINT pt) const;
    void ShowHandCursor() const;
    float HostTimer() const;
    void Timer1_Timer();
    void ArrowDown(bool extend);
    void ArrowUp(bool extend);
    void PageBy(std::int32_t direction);

    OLE_COLOR ForeColor_ = 0;
    OLE_COLOR BackColor_ = 0xFFFFFF;
    OLE_COLOR TitleForeColor_ = 0x8000000E;
    OLE_COLOR BorderColor_ = 0x8000000D;
    OLE_COLOR MaskColor_ = 0;
    std::string Caption_;
    std::int32_t TitleHeight_ = 0;
    bool MultiSelect_ = false;
    bool Round_ = false;
    bool UseMask_ = false;
    bool HandPointer_ = false;
    bool AutoSize_ = false;
    std::int16_t ListIndex_ = -1;
    StdFontPtr Font_;
    StdPicturePtr Icon_;
    // Both hold the same number of slots: none until the first AddItem or Clear, then
    // Max(ListCount, 1).
    std::vector<std::string> ItemText_;
    std::vector<std::uint8_t> ItemSelected_;
    std::int16_t ListCount_ = 0;
    std::int32_t TopIndex_ = 0;
    std::int32_t VisibleRows_ = 0;
    bool ScrollNeeded_ = false;
    platform::HDC CacheDC_ = nullptr;
    platform::HBITMAP CacheBitmap_ = nullptr;
    platform::HGDIOBJ CacheOldBitmap_ = nullptr;
    int CacheWidth_ = 0, CacheHeight_ = 0;
    bool BackgroundDirty_ = true;
    platform::RECT UpArrowRect_{}, DownArrowRect_{}, ThumbRect_{};
    bool UpPressed_ = false, DownPressed_ = false, ThumbDragging_ = false;
    std::int32_t UpPressTime_ = -1, DownPressTime_ = -1;
    float ThumbGrabOffset_ = 0;
    bool IsShown_ = false;
    // The surface's own font: the arrows of the scroll bar are letters of this symbol font.
    StdFontPtr SymbolFont_;
    Timer Timer1;
};

}  // namespace ulmaro
