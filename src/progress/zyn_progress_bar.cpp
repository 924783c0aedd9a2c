// ZynProgressBar: the published table, the value and range rules, the properties and
// persistence.
#include "progress/zyn_progress_bar.h"

#include "framework/std_font.h"
#include "progress/progress_caption.h"

namespace ulmaro {

namespace {

// A method taking an optional step (Inc, Dec).
template <void (ZynProgressBar::*Step)(double)>
MemberInfo StepMethod(std::string name) {
    MemberInfo m;
    m.name = std::move(name);
    m.kind = MemberInfo::Kind::Method;
    m.params = {ParamInfo{"Step", VarType::Double, false, true, Variant(1.0)}};
    m.get = [](Control& c, std::vector<Variant>& args) {
        double step = args.empty() || args[0].isEmpty() ? 1.0 : args[0].toDouble();
        (static_cast<ZynProgressBar&>(c).*Step)(step);
        return Variant();
    };
    return m;
}

Variant ColorValue(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }

constexpr OLE_COLOR kDefaultBackColor = 15594226;  // &HEDF2F2
constexpr OLE_COLOR kDefaultBarColor = 12941855;   // &HC57A1F
constexpr std::int32_t kDefaultAlignment = 37;     // single line, centred both ways

}  // namespace

ZynProgressBar::~ZynProgressBar() { ReleaseBuffers(); }

ClassInfo ZynProgressBar::describe() {
    using C = ZynProgressBar;
    return ClassBuilder<C>("ZynProgressBar", "Progress bar in four directions or round, with a two-colour caption")
        .property<&C::Value, &C::setValue>("Value")
        .property<&C::Max, &C::setMax>("Max")
        .property<&C::Min, &C::setMin>("Min")
        .property<&C::CaptionType, &C::setCaptionType>("CaptionType", "ZynProgressCaption")
        .property<&C::CaptionMask, &C::setCaptionMask>("CaptionMask")
        .property<&C::Caption>("Caption")
        .property<&C::ShowCaption, &C::setShowCaption>("ShowCaption")
        .property<&C::SmoothScrolling, &C::setSmoothScrolling>("SmoothScrolling")
        .property<&C::CaptionAlignment, &C::setCaptionAlignment>("CaptionAlignment", "ZynProgressCaptionAlignment")
        .property<&C::CaptionOffsetX, &C::setCaptionOffsetX>("CaptionOffsetX")
        .property<&C::CaptionOffsetY, &C::setCaptionOffsetY>("CaptionOffsetY")
        .property<&C::CaptionColor, &C::setCaptionColor>("CaptionColor")
        .property<&C::UseCaptionColor, &C::setUseCaptionColor>("UseCaptionColor")
        .property<&C::BarColor, &C::setBarColor>("BarColor")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::ProgressType, &C::setProgressType>("ProgressType", "ZynProgressType")
        .property<&C::Direction, &C::setDirection>("Direction", "ZynDirection")
        .property<&C::StartAngle, &C::setStartAngle>("StartAngle")
        .property<&C::Font, &C::setFont>("Font")
        .property<&C::UseDefaultProperties, &C::setUseDefaultProperties>("UseDefaultProperties")
        .property<&C::hwnd>("hwnd")
        .member(StepMethod<&C::Inc>("Inc"))
        .member(StepMethod<&C::Dec>("Dec"))
        .method<&C::Reset>("Reset")
        .method<&C::Complete>("Complete")
        .method<&C::Refresh>("Refresh")
        .event(1, "Change", {ParamInfo{"Value", VarType::Double, true}})
        .event(2, "Complete")
        .event(3, "Reset")
        // A progress bar never takes the focus.
        .flags(true, false)
        .enumeration("ZynProgressCaption")
        .enumeration("ZynProgressType")
        .enumeration("ZynProgressCaptionAlignment")
        .enumeration("ZynDirection")
        .build();
}

// ---- Value and range --------------------------------------------------------------------------------

// Every change of the value comes here. Complete and Reset come before Change, and all of
// them are raised again when the value did not change.
void ZynProgressBar::setValue(double v) {
    if (v > Max_) v = Max_;
    if (v < Min_) v = Min_;
    Value_ = v;
    CaptionText_ = Caption();
    Refresh();
    // While the control loads its properties it raises nothing: the host has no use for
    // the value passing through its defaults on the way to the saved one.
    if (!Ready_) return;
    if (Max_ == Value_) RaiseEvent("Complete");
    if (Value_ == Min_) RaiseEvent("Reset");
    // The handler gets the stored value itself: what it assigns is kept as it is, neither
    // clamped nor drawn.
    RaiseEvent("Change", Value_);
}

void ZynProgressBar::setMax(double m) {
    if (m - Min_ <= 0) m = Min_ + 1;
    Max_ = m;
    setValue(m < Value_ ? m : Value_);
    LayoutDirty_ = true;
    Refresh();
}

void ZynProgressBar::setMin(double m) {
    // Max is pushed up directly, without the range rules or their events.
    if (Max_ - m <= 0) Max_ = m + 1;
    Min_ = m;
    setValue(m > Value_ ? m : Value_);
    LayoutDirty_ = true;
    Refresh();
}

std::string ZynProgressBar::Caption() {
    if (Max_ <= Min_) setMax(Min_ + 1);
    return FormatProgressCaption(CaptionType_, CaptionMask_, Value_, Min_, Max_);
}

// ---- Caption properties ---------------------------------------------------------------------------------

void ZynProgressBar::setCaptionType(std::int32_t v) {
    CaptionType_ = v;
    setValue(Value_);
    LayoutDirty_ = true;
    Refresh();
}

void ZynProgressBar::setCaptionMask(std::string v) {
    CaptionMask_ = std::move(v);
    setValue(Value_);
    Paint();
}

void ZynProgressBar::setShowCaption(bool v) {
    ShowCaption_ = v;
    Refresh();
}

void ZynProgressBar::setSmoothScrolling(bool v) {
    SmoothScrolling_ = v;
    Refresh();
}

// Taken as the text-drawing format flags, unchecked.
void ZynProgressBar::setCaptionAlignment(std::int32_t v) {
    CaptionAlignment_ = v;
    Refresh();
}

void ZynProgressBar::setCaptionOffsetX(std::int32_t v) {
    CaptionOffsetX_ = v;
    Refresh();
}

void ZynProgressBar::setCaptionOffsetY(std::int32_t v) {
    CaptionOffsetY_ = v;
    Refresh();
}

// Choosing a caption colour switches the one-colour caption on.
void ZynProgressBar::setCaptionColor(OLE_COLOR v) {
    CaptionColor_ = v;
    UseCaptionColor_ = true;
    Refresh();
}

void ZynProgressBar::setUseCaptionColor(bool v) {
    UseCaptionColor_ = v;
    Refresh();
}

void ZynProgressBar::setFont(std::shared_ptr<StdFont> f) {
    surface().setFont(f ? f->Clone() : nullptr);
    LayoutDirty_ = true;
    Refresh();
    setValue(Value_);
}

// ---- Look and shape ---------------------------------------------------------------------------------------

// The colours are drawn into the buffers, which are built again.
void ZynProgressBar::setBarColor(OLE_COLOR v) {
    BarColor_ = v;
    ReleaseBuffers();
    Refresh();
}

void ZynProgressBar::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    ReleaseBuffers();
    Refresh();
}

// The direction is checked again for the new type, then the window takes its new shape.
void ZynProgressBar::setProgressType(std::int32_t v) {
    ProgressType_ = v;
    setDirection(Direction_);
    Resize();
}

// A bar fills right, left, up or down (0 to 3); a round control clockwise or
// counter-clockwise (4, 5). A direction of the other kind becomes the first of the right kind.
void ZynProgressBar::setDirection(std::int32_t v) {
    const bool roundDirection = v == DirClockWise || v == DirCounterClockWise;
    if (ProgressType_ == TypeBar) {
        if (roundDirection) v = DirRight;
    } else if (!roundDirection) {
        v = DirClockWise;
    }
    Direction_ = v;
    LayoutDirty_ = true;
    Refresh();
}

// Only a round control shows its start angle; a bar keeps it for later.
void ZynProgressBar::setStartAngle(std::int32_t v) {
    StartAngle_ = v;
    if (ProgressType_ == TypeRound) {
        ReleaseBuffers();
        Refresh();
    }
}

void ZynProgressBar::setUseDefaultProperties(bool v) {
    if (v) InitProperties();
}

std::int32_t ZynProgressBar::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

// ---- Persistence ---------------------------------------------------------------------------------------------

// Every default goes through its setter, so each one's side effects happen in order.
void ZynProgressBar::InitProperties() {
    Ready_ = false;
    setMin(0);
    setMax(100);
    setValue(50);
    setBackColor(kDefaultBackColor);
    setBarColor(kDefaultBarColor);
    setShowCaption(true);
    setCaptionColor(0);
    setUseCaptionColor(false);
    setFont(Ambient().Font);
    setCaptionMask("%Val");
    setCaptionType(PercentInt);
    setCaptionAlignment(kDefaultAlignment);
    setSmoothScrolling(true);
    setCaptionOffsetX(0);
    setCaptionOffsetY(0);
    setStartAngle(0);
    setProgressType(TypeBar);
    setDirection(DirRight);
    Ready_ = true;
    Refresh();
}

// CaptionColor's setter turns UseCaptionColor on, so UseCaptionColor is read after it.
void ZynProgressBar::ReadProperties(PropertyBag& bag) {
    Ready_ = false;
    const Variant zero(static_cast<std::int16_t>(0));
    setMin(bag.ReadProperty("Min", zero).toDouble());
    setMax(bag.ReadProperty("Max", static_cast<std::int16_t>(100)).toDouble());
    setValue(bag.ReadProperty("Value", static_cast<std::int16_t>(50)).toDouble());
    setBarColor(bag.ReadProperty("BarColor", ColorValue(kDefaultBarColor)).toColor());
    setBackColor(bag.ReadProperty("BackColor", ColorValue(kDefaultBackColor)).toColor());
    setShowCaption(bag.ReadProperty("ShowCaption", true).toBool());
    setCaptionMask(bag.ReadProperty("CaptionMask", std::string("%Val")).toString());
    setFont(bag.ReadProperty("Font", Variant(Ambient().Font)).toFont());
    setCaptionType(bag.ReadProperty("CaptionType", static_cast<std::int32_t>(PercentInt)).toInt32());
    setCaptionColor(bag.ReadProperty("CaptionColor", zero).toColor());
    setUseCaptionColor(bag.ReadProperty("UseCaptionColor", false).toBool());
    setCaptionAlignment(bag.ReadProperty("CaptionAlignment", kDefaultAlignment).toInt32());
    setSmoothScrolling(bag.ReadProperty("SmoothScrolling", true).toBool());
    setCaptionOffsetY(bag.ReadProperty("CaptionOffsetY", zero).toInt32());
    setCaptionOffsetX(bag.ReadProperty("CaptionOffsetX", zero).toInt32());
    setProgressType(bag.ReadProperty("ProgressType", static_cast<std::int32_t>(TypeBar)).toInt32());
    setDirection(bag.ReadProperty("Direction", static_cast<std::int32_t>(DirRight)).toInt32());
    setStartAngle(bag.ReadProperty("StartAngle", zero).toInt32());
    Ready_ = true;
    Refresh();
}

void ZynProgressBar::WriteProperties(PropertyBag& bag) {
    const Variant zero(static_cast<std::int16_t>(0));
    bag.WriteProperty("Min", Min_, zero);
    bag.WriteProperty("Max", Max_, static_cast<std::int16_t>(100));
    bag.WriteProperty("Value", Value_, static_cast<std::int16_t>(50));
    bag.WriteProperty("BarColor", ColorValue(BarColor_), ColorValue(kDefaultBarColor));
    bag.WriteProperty("BackColor", ColorValue(BackColor_), ColorValue(kDefaultBackColor));
    bag.WriteProperty("ShowCaption", ShowCaption_, true);
    bag.WriteProperty("CaptionMask", CaptionMask_, std::string("%Val"));
    bag.WriteProperty("Font", Variant(Font()), Variant(Ambient().Font));
    bag.WriteProperty("CaptionType", CaptionType_, static_cast<std::int32_t>(PercentInt));
    bag.WriteProperty("CaptionColor", ColorValue(CaptionColor_), zero);
    bag.WriteProperty("UseCaptionColor", UseCaptionColor_, false);
    bag.WriteProperty("CaptionAlignment", CaptionAlignment_, kDefaultAlignment);
    bag.WriteProperty("SmoothScrolling", SmoothScrolling_, true);
    bag.WriteProperty("CaptionOffsetX", CaptionOffsetX_, zero);
    bag.WriteProperty("CaptionOffsetY", CaptionOffsetY_, zero);
    bag.WriteProperty("ProgressType", ProgressType_, static_cast<std::int32_t>(TypeBar));
    bag.WriteProperty("Direction", Direction_, static_cast<std::int32_t>(DirRight));
    bag.WriteProperty("StartAngle", StartAngle_, zero);
}

}  // namespace ulmaro
