// ZynTextBox: a text-entry control made of a drawn surface (legend, frame, rounded
// outline) and two inner edit boxes that do the editing: Text1(0), a single-line box, and
// Text1(1), a multi-line box. Multiline chooses which one shows; the other stays hidden but
// keeps most appearance properties. Every character typed passes the key filter first
// (TAB indent in the multi-line box, then the allow and forbid lists).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/control.h"
#include "framework/std_picture.h"
#include "textbox/edit_box.h"

namespace ulmaro {

class ZynTextBox : public Control {
public:
    ZynTextBox();
    ~ZynTextBox() override;
    static ClassInfo describe();

    // ---- Core properties ------------------------------------------------------------------------
    std::string Text() const { return box().Text(); }
    void setText(std::string v);
    std::int32_t SelStart() const { return box().SelStart(); }
    void setSelStart(std::int32_t v);
    std::int32_t SelLength() const { return box().SelLength(); }
    void setSelLength(std::int32_t v);
    std::int32_t MaxLength() const { return box().MaxLength(); }
    void setMaxLength(std::int32_t v);
    bool Locked() const { return Text1[0]->Locked(); }
    void setLocked(bool v);
    bool Enabled() const { return Text1[0]->Enabled(); }
    void setEnabled(bool v);
    std::string PasswordChar() const { return Text1[0]->PasswordChar(); }
    void setPasswordChar(std::string v);
    std::int32_t Alignment() const { return Text1[0]->Alignment(); }
    void setAlignment(std::int32_t v);
    OLE_COLOR ForeColor() const { return Text1[0]->ForeColor(); }
    void setForeColor(OLE_COLOR v);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    std::shared_ptr<StdFont> Font() const { return Text1[1]->Font(); }
    void setFont(std::shared_ptr<StdFont> f);
    std::shared_ptr<StdFont> LegendFont() const { return surface().Font(); }
    void setLegendFont(std::shared_ptr<StdFont> f);
    OLE_COLOR LegendForeColor() const { return surface().ForeColor(); }
    void setLegendForeColor(OLE_COLOR v);
    std::int32_t LeftMargin() const { return LeftMargin_; }
    void setLeftMargin(std::int32_t v);
    std::int16_t TabSize() const { return TabSize_; }
    void setTabSize(std::int16_t v);
    bool Multiline() const { return Multiline_; }
    void setMultiline(bool v);
    std::int32_t ScrollBars() const { return ScrollBars_; }
    void setScrollBars(std::int32_t v);
    bool SelectOnFocus() const { return SelectOnFocus_; }
    void setSelectOnFocus(bool v);
    bool ShowFocus() const { return ShowFocus_; }
    void setShowFocus(bool v);
    std::int32_t hwnd() const;

    // ---- Key filter --------------------------------------------------------------------------------
    bool Filter() const { return Filter_; }
    void setFilter(bool v);
    std::string FilterAllow() const { return FilterAllow_; }
    void setFilterAllow(std::string v);
    std::string FilterForbid() const { return FilterForbid_; }
    void setFilterForbid(std::string v);

    // ---- Legend and frame ----------------------------------------------------------------------------
    std::string Legend() const { return Legend_; }
    void setLegend(std::string v);
    std::int32_t LegendType() const { return LegendType_; }
    void setLegendType(std::int32_t v);
    bool LegendAutoSize() const { return LegendAutoSize_; }
    void setLegendAutoSize(bool v);
    std::int16_t LegendWidth() const;
    void setLegendWidth(std::int16_t v);
    bool ShowLegendBorder() const { return ShowLegendBorder_; }
    void setShowLegendBorder(bool v);
    std::int32_t LegendAlignment() const { return LegendAlignment_; }
    void setLegendAlignment(std::int32_t v);
    std::int32_t Round() const { return Round_; }
    void setRound(std::int32_t v);
    // A byte: published as an Integer that must lie in 0..255.
    std::int16_t Roundness() const { return Roundness_; }
    void setRoundness(std::int16_t v);
    OLE_COLOR BorderColor() const { return BorderColor_; }
    void setBorderColor(OLE_COLOR v);
    OLE_COLOR LegendBackColor() const { return LegendBackColor_; }
    void setLegendBackColor(OLE_COLOR v);

    // ---- Lines and clipboard -------------------------------------------------------------------------
    std::int32_t LineCount() const;
    std::int32_t FirstVisibleLine() const;
    std::int32_t LineIndex(std::int32_t CharPos = -1) const;
    std::int32_t FirstChar(std::int32_t LineIndex = -1) const;
    std::int32_t LineLength(std::int32_t LineIndex = -1, std::int32_t CharPos = -1) const;
    std::string GetLine(std::int32_t LineIndex = -1) const;
    bool GotoLine(std::int32_t LineIndex);
    void SelectText(std::int32_t Start = 0, std::int32_t Length = 0);
    void ScrollToBottom();
    void EnsureCaretVisibility();
    bool Undo();
    bool CanUndo() const;
    std::int32_t OverChar(std::int32_t X, std::int32_t Y) const;
    std::int32_t OverLine(std::int32_t X, std::int32_t Y) const;
    std::string OverWord(std::int32_t X, std::int32_t Y, std::int32_t& Start, std::int32_t& Length) const;
    void Copy();
    void Cut();
    void Paste();
    // Repaints the frame and legend (the host's Refresh of the control).
    void Refresh() { Repaint(); }

    // The inner boxes, for tests and the host.
    EditBox& textBox(int index) { return *Text1[static_cast<std::size_t>(index)]; }
    int activeBox() const { return static_cast<int>(ActiveBox); }

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override { Layout(); }
    void Paint() override { Repaint(); }
    void Terminate() override { Terminating_ = true; }
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void Click() override;
    void DblClick() override;

private:
    EditBox& box() const { return *Text1[ActiveBox]; }
    // The inner boxes and the subclass of the control's own window are made once the window
    // exists (before the properties are initialised or read).
    void CreateBoxes();
    void WireEvents(std::size_t index);
    static platform::LRESULT WindowProc(platform::HWND h, platform::UINT msg, platform::WPARAM wp, platform::LPARAM lp);
    EditBox* BoxOfWindow(platform::HWND h) const;
    // Layout and repaint.
    void Layout();
    void Repaint();
    std::int32_t HorizontalLegendLeft();
    // Focus.
    void ApplyColors(OLE_COLOR back, OLE_COLOR fore);
    void FocusBox();
    void BoxGotFocus();
    void BoxLostFocus();
    // TabStop of every control of the form (refusals ignored).
    void SetFormTabStops(bool on);
    // Key filter of one typed character.
    void FilterKey(std::int16_t& KeyAscii);
    void IndentSelectedLines(bool unindent);
    void UnindentAtCaret();
    // Cursors.
    void EditCursor();
    void SurfaceCursor(float X);

    std::array<std::unique_ptr<EditBox>, 2> Text1;
    platform::WNDPROC ControlProc_ = nullptr;
    std::size_t ActiveBox = 0;
    std::int32_t LegendAlignment_ = 37;
    bool Multiline_ = false;
    std::int32_t Round_ = 0;
    std::int32_t ScrollBars_ = 0;
    std::string FilterAllow_, FilterForbid_;
    std::string Legend_;
    std::int32_t LegendType_ = 0;
    bool Filter_ = false;
    bool ShowLegendBorder_ = true;
    std::int16_t TabSize_ = 4;
    bool LegendAutoSize_ = true;
    std::int16_t LegendWidth_ = 30;
    std::int32_t MousePointer_ = 0, LegendMousePointer_ = 32512;
    std::uint8_t Roundness_ = 5;
    StdPicturePtr MouseIcon_, LegendMouseIcon_;
    bool SelectOnFocus_ = true;
    std::int32_t LeftMargin_ = 5;
    bool Ready = false;
    bool Terminating_ = false;
    OLE_COLOR BackColor_ = 0x80000005;
    OLE_COLOR ForeColor_ = 0x80000008;
    bool ShowFocus_ = false;
    OLE_COLOR BorderColor_ = 0x8000000D;
    OLE_COLOR FocusBackColor_ = 0x80000018, FocusForeColor_ = 0x80000017;
    OLE_COLOR LegendBackColor_ = 0x8000000D;
};

}  // namespace ulmaro
