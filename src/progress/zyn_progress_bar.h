// ZynProgressBar: a value between a minimum and a maximum shown as a bar filling in one of
// four directions (continuously or in blocks) or as a pie filling either way round, with a
// formatted caption drawn in one colour or in two (one over the filled part, one over the
// empty part). The empty control and the filled look are drawn once into two off-screen
// buffers, so that a value change costs a few copies, lines and captions.
#pragma once

#include "framework/control.h"

#include <cstdint>
#include <string>

namespace ulmaro {

enum ZynProgressCaption : std::int32_t { PercentInt = 0, PercentDec = 1, ValueText = 2, Steps = 3 };
enum ZynProgressType : std::int32_t { TypeBar = 0, TypeRound = 1 };
enum ZynDirection : std::int32_t { DirRight = 0, DirLeft = 1, DirUp = 2, DirDown = 3, DirClockWise = 4, DirCounterClockWise = 5 };

class ZynProgressBar : public Control {
public:
    ZynProgressBar() = default;
    ~ZynProgressBar() override;
    static ClassInfo describe();

    // ---- Properties and methods of _ZynProgressBar ------------------------------------------
    double Value() const { return Value_; }
    void setValue(double v);
    double Max() const { return Max_; }
    void setMax(double m);
    double Min() const { return Min_; }
    void setMin(double m);
    std::int32_t CaptionType() const { return CaptionType_; }
    void setCaptionType(std::int32_t v);
    const std::string& CaptionMask() const { return CaptionMask_; }
    void setCaptionMask(std::string v);
    // Computes the caption from the current state (may first push Max above Min).
    std::string Caption();
    bool ShowCaption() const { return ShowCaption_; }
    bool SmoothScrolling() const { return SmoothScrolling_; }
    std::int32_t CaptionAlignment() const { return CaptionAlignment_; }
    std::int32_t CaptionOffsetX() const { return CaptionOffsetX_; }
    std::int32_t CaptionOffsetY() const { return CaptionOffsetY_; }
    OLE_COLOR CaptionColor() const { return CaptionColor_; }
    void setCaptionColor(OLE_COLOR v);
    bool UseCaptionColor() const { return UseCaptionColor_; }
    OLE_COLOR BarColor() const { return BarColor_; }
    void setBarColor(OLE_COLOR v);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    std::int32_t ProgressType() const { return ProgressType_; }
    void setProgressType(std::int32_t v);
    std::int32_t Direction() const { return Direction_; }
    void setDirection(std::int32_t v);
    std::int32_t StartAngle() const { return StartAngle_; }
    void setStartAngle(std::int32_t v);
    std::shared_ptr<StdFont> Font() const { return surface().Font(); }
    void setFont(std::shared_ptr<StdFont> f);
    bool UseDefaultProperties() const { return false; }
    void setUseDefaultProperties(bool v);
    std::int32_t hwnd() const;

    void Inc(double Step = 1) { setValue(Value_ + Step); }
    void Dec(double Step = 1) { setValue(Value_ - Step); }
    void Reset() { setValue(Min_); }
    void Complete() { setValue(Max_); }
    // Draws the control (zyn_progress_paint.cpp).
    void Refresh();

    // State the tests look at.
    const std::string& captionText() const { return CaptionText_; }
    bool hasBuffers() const { return BackBuffer_ != nullptr; }
    // How many times the buffers were built: a full rebuild against an ordinary redraw.
    int bufferBuilds() const { return bufferBuilds_; }

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Paint() override { Refresh(); }
    void Resize() override;
    void Show() override { ReleaseBuffers(); }
    void Terminate() override { ReleaseBuffers(); }

    void ReleaseBuffers();

private:
    // Drawing (zyn_progress_paint.cpp).
    void BuildBuffers();
    void DrawBarFill();
    void DrawBarCaption();
    void DrawRoundFill();
    void DrawCaptionText(platform::RECT& T);
    platform::RECT FillRect() const;
    double FillLength() const;

    double Value_ = 0;
    double Max_ = 0;
    double Min_ = 0;
    std::string CaptionText_;
    std::int32_t CaptionType_ = 0;
    std::string CaptionMask_;
    // Plain properties: their Lets (store, then Refresh) come from the class description.
    bool ShowCaption_ = false;
    bool SmoothScrolling_ = false;
    std::int32_t CaptionAlignment_ = 0;
    std::int32_t CaptionOffsetX_ = 0;
    std::int32_t CaptionOffsetY_ = 0;
    bool UseCaptionColor_ = false;
    OLE_COLOR CaptionColor_ = 0;
    OLE_COLOR BarColor_ = 0;
    OLE_COLOR BackColor_ = 0;
    std::int32_t ProgressType_ = 0;
    std::int32_t Direction_ = 0;
    std::int32_t StartAngle_ = 0;

    platform::HDC BackBuffer_ = nullptr;
    platform::HBITMAP BackBitmap_ = nullptr;
    platform::HDC BarBuffer_ = nullptr;
    platform::HBITMAP BarBitmap_ = nullptr;
    bool Ready_ = false;
    bool LayoutDirty_ = false;
    int CaptionDepth_ = 0;  // how deep Caption is nested in itself
    int bufferBuilds_ = 0;
};

}  // namespace ulmaro
