// ZynProgressBar: the published table, the value and range rules, the properties and
// persistence.
#include "progress/zyn_progress_bar.h"

#include "framework/std_font.h"
#include "progress/progress_caption.h"

namespace ulmaro {

namespace {

// A method taking an optional step (Inc, Dec).
template <void (ZynProgressBar::*Step)(double)>
MemberInfo StepMethod(int number, std::string name) {
    MemberInfo m;
    m.dispid = number;
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

constexpr OLE_COLOR kDefaultBackColor = 15594226;  // &HEDF2F2
constexpr OLE_COLOR kDefaultBarColor = 12941855;   // &HC57A1F
constexpr std::int32_t kDefaultAlignment = 37;     // single line, centred both ways

}  // namespace

ZynProgressBar::~ZynProgressBar() { ReleaseBuffers(); }

ClassInfo ZynProgressBar::describe() {
    using C = ZynProgressBar;
    const std::int16_t zero = 0;
    return ClassBuilder<C>("ZynProgressBar", "Progress bar in four directions or round, with a two-colour caption")
        .property<&C::Value, &C::setValue>(1, "Value").key().byDefault(static_cast<std::int16_t>(50))
        .property<&C::Max, &C::setMax>(2, "Max").key().byDefault(static_cast<std::int16_t>(100))
        .property<&C::Min, &C::setMin>(3, "Min").key().byDefault(zero)
        .property<&C::CaptionType, &C::setCaptionType>(4, "CaptionType").enumType("ZynProgressCaption").key().byDefault(PercentInt)
        .property<&C::CaptionMask, &C::setCaptionMask>(5, "CaptionMask").key().byDefault(std::string("%Val"))
        .property<&C::Caption>(6, "Caption")
        .field<&C::ShowCaption_>(7, "ShowCaption").key().byDefault(true)
        .field<&C::SmoothScrolling_>(8, "SmoothScrolling").key().byDefault(true)
        // Taken as the text-drawing format flags, unchecked.
        .field<&C::CaptionAlignment_>(9, "CaptionAlignment").enumType("ZynProgressCaptionAlignment").key().byDefault(kDefaultAlignment)
        .field<&C::CaptionOffsetX_>(10, "CaptionOffsetX").key().byDefault(zero)
        .field<&C::CaptionOffsetY_>(11, "CaptionOffsetY").key().byDefault(zero)
        .property<&C::CaptionColor, &C::setCaptionColor>(12, "CaptionColor").key().byDefault(zero)
        .field<&C::UseCaptionColor_>(13, "UseCaptionColor").key().byDefault(false)
        .property<&C::BarColor, &C::setBarColor>(14, "BarColor").key().byDefault(kDefaultBarColor)
        .property<&C::BackColor, &C::setBackColor>(15, "BackColor").key().byDefault(kDefaultBackColor)
        .property<&C::ProgressType, &C::setProgressType>(16, "ProgressType").enumType("ZynProgressType").key().byDefault(TypeBar)
        .property<&C::Direction, &C::setDirection>(17, "Direction").enumType("ZynDirection").key().byDefault(DirRight)
        .property<&C::StartAngle, &C::setStartAngle>(18, "StartAngle").key().byDefault(zero)
        .property<&C::Font, &C::setFont>(19, "Font").key().byDefault(AmbientValue::Font)
        .property<&C::UseDefaultProperties, &C::setUseDefaultProperties>(20, "UseDefaultProperties")
        .property<&C::hwnd>(21, "hwnd").runtimeOnly()
        .member(StepMethod<&C::Inc>(22, "Inc"))
        .member(StepMethod<&C::Dec>(23, "Dec"))
        .method<&C::Reset>(24, "Reset")
        .method<&C::Complete>(25, "Complete")
        .method<&C::Refresh>(26, "Refresh")
        .event(1, "Change", {ParamInfo{"Value", VarType::Double, true}})
        .event(2, "Complete")
        .event(3, "Reset")
        // A progress bar never takes the focus.
        .flags(true, false)
        .enumeration(EnumInfo{"ZynProgressCaption",
                              {{"Caption : Pourcentages Int", PercentInt}, {"Caption : Pourcentages Dec", PercentDec},
                               {"Caption : Valeur", ValueText}, {"Caption : Etapes", Steps}}})
        .enumeration(EnumInfo{"ZynProgressType", {{"Type : Bar", TypeBar}, {"Type : Round", TypeRound}}})
        .enumeration(EnumInfo{"ZynProgressCaptionAlignment",
                              {{"CaptionAlignment : TopLeft", 32}, {"CaptionAlignment : TopCenter", 33},
                               {"CaptionAlignment : TopRight", 34}, {"CaptionAlignment : MiddleLeft", 36},
                               {"CaptionAlignment : MiddleCenter", 37}, {"CaptionAlignment : MiddleRight", 38},
                               {"CaptionAlignment : BottomLeft", 40}, {"CaptionAlignment : BottomCenter", 41},
                               {"CaptionAlignment : BottomRight", 42}}})
        .enumeration(EnumInfo{"ZynDirection",
                              {{"Direction : Right", DirRight}, {"Direction : left", DirLeft}, {"Direction : Up", DirUp},
                               {"Direction : Down", DirDown}, {"Direction : ClockWise", DirClockWise},
                               {"Direction : CounterClockWise", DirCounterClockWise}}})
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
    // Past 2^53, Min + 1 rounds back to Min, so the range set cannot lift Max above Min and
    // it and this getter call each other until the stack gives out (error 28).
    RecursionGuard guard(CaptionDepth_);
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

// Choosing a caption colour switches the one-colour caption on.
void ZynProgressBar::setCaptionColor(OLE_COLOR v) {
    CaptionColor_ = v;
    UseCaptionColor_ = true;
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

// Every default goes through its setter, so each one's side effects happen in order; keys
// and defaults come from describe().
void ZynProgressBar::InitProperties() {
    Ready_ = false;
    applyDefaults({"Min", "Max", "Value", "BackColor", "BarColor", "ShowCaption", "CaptionColor", "UseCaptionColor", "Font",
                   "CaptionMask", "CaptionType", "CaptionAlignment", "SmoothScrolling", "CaptionOffsetX", "CaptionOffsetY",
                   "StartAngle", "ProgressType", "Direction"});
    Ready_ = true;
    Refresh();
}

// CaptionColor's setter turns UseCaptionColor on, so UseCaptionColor is read after it.
void ZynProgressBar::ReadProperties(PropertyBag& bag) {
    Ready_ = false;
    readFrom(bag, {"Min", "Max", "Value", "BarColor", "BackColor", "ShowCaption", "CaptionMask", "Font", "CaptionType",
                   "CaptionColor", "UseCaptionColor", "CaptionAlignment", "SmoothScrolling", "CaptionOffsetY", "CaptionOffsetX",
                   "ProgressType", "Direction", "StartAngle"});
    Ready_ = true;
    Refresh();
}

void ZynProgressBar::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"Min", "Max", "Value", "BarColor", "BackColor", "ShowCaption", "CaptionMask", "Font", "CaptionType",
                  "CaptionColor", "UseCaptionColor", "CaptionAlignment", "SmoothScrolling", "CaptionOffsetX", "CaptionOffsetY",
                  "ProgressType", "Direction", "StartAngle"});
}

}  // namespace ulmaro
