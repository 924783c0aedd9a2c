// ZynListBox: the item and selection store, the selection properties and the layout step.
//
// Item slots: none until the first AddItem or Clear; then Max(ListCount, 1) slots, so slot 0
// outlives the last item (a removed only item keeps its text and flag there). Range checks
// are made against the slots, not against ListCount.
#include "listbox/zyn_list_box.h"

#include "framework/numeric.h"
#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

namespace {

// Integer arithmetic of the run-time: a result outside -32768..32767 overflows.
std::int16_t IntegerSum(std::int32_t a, std::int32_t b) { return toInteger(static_cast<double>(a) + b); }

}  // namespace

// ---- Selection and items --------------------------------------------------------------------------

bool ZynListBox::Selected(std::int32_t Index) const { return InRange(Index) && ItemSelected_[static_cast<std::size_t>(Index)]; }

void ZynListBox::SetItemSelected(std::int32_t i, bool v) {
    if (InRange(i)) ItemSelected_[static_cast<std::size_t>(i)] = v ? 1 : 0;
}

// Clears the flags of items from..to; indices without a slot are skipped.
void ZynListBox::Deselect(std::int32_t from, std::int32_t to) {
    for (std::int32_t i = from; i <= to; ++i) SetItemSelected(i, false);
}

void ZynListBox::setSelected(std::int32_t Index, bool v) {
    if (!MultiSelect_) Deselect(0, ListCount_);
    SetItemSelected(Index, v);
    Paint();
}

std::string ZynListBox::List(std::int32_t Index) const {
    return InRange(Index) ? ItemText_[static_cast<std::size_t>(Index)] : std::string();
}

void ZynListBox::setList(std::int32_t Index, std::string v) {
    if (InRange(Index)) ItemText_[static_cast<std::size_t>(Index)] = std::move(v);
    Paint();
    PropertyChanged("List");
}

std::string ZynListBox::Text() const {
    if (!InRange(ListIndex_)) throw RuntimeError(errors::SubscriptOutOfRange);
    return ItemText_[static_cast<std::size_t>(ListIndex_)];
}

// The index is clamped to -1..ListCount (one past the last item is allowed); only items up
// to the previous index are deselected.
void ZynListBox::setListIndex(std::int16_t n) {
    n = MaxOf<std::int16_t>(MinOf(n, ListCount_), -1);
    Deselect(0, ListIndex_);
    ListIndex_ = n;
    SetItemSelected(n, true);
    Paint();
    PropertyChanged("ListIndex");
}

// A failure on the way (ListCount passing 32767) ends the method where it happened.
void ZynListBox::AddItem(std::string new_Item) {
    try {
        const std::size_t slots = static_cast<std::size_t>(ListCount_) + 1;
        ItemText_.resize(slots);
        ItemSelected_.resize(slots, 0);
        ItemText_[static_cast<std::size_t>(ListCount_)] = std::move(new_Item);
        ListCount_ = IntegerSum(ListCount_, 1);
        VisibleRows_ = RowsBelowTitle();
        ScrollNeeded_ = ListCount_ > VisibleRows_;
        TopIndex_ = ScrollNeeded_ ? MinOf<std::int32_t>(ListCount_, TopIndex_) : 0;
        Layout();
        PropertyChanged("List");
    } catch (const RuntimeError&) {
    }
}

// ListIndex does not follow: it stays on the same number, now the following item.
void ZynListBox::RemoveItem(std::int32_t Index) {
    for (std::int32_t i = Index; i <= ListCount_ - 2; ++i) {
        if (!InRange(i) || !InRange(i + 1)) throw RuntimeError(errors::SubscriptOutOfRange);
        ItemText_[static_cast<std::size_t>(i)] = std::move(ItemText_[static_cast<std::size_t>(i) + 1]);
        ItemSelected_[static_cast<std::size_t>(i)] = ItemSelected_[static_cast<std::size_t>(i) + 1];
    }
    const std::size_t slots = static_cast<std::size_t>(MaxOf(ListCount_ - 2, 0)) + 1;
    ItemText_.resize(slots);
    ItemSelected_.resize(slots, 0);
    ListCount_ = static_cast<std::int16_t>(MaxOf(ListCount_ - 1, 0));
    Layout();
}

// ListIndex is left as it was.
void ZynListBox::Clear() {
    ListCount_ = 0;
    ItemText_.assign(1, std::string());
    ItemSelected_.assign(1, 0);
    Layout();
}

// ListIndex is assigned directly here, not through its property: going through the property
// would first deselect items up to the previous index, and SelectInvert must invert the
// whole selection as it stands.
void ZynListBox::SelectAll() {
    if (!MultiSelect_) return;
    ListIndex_ = 0;
    for (std::int32_t i = 0; i < ListCount_; ++i) {
        SetItemSelected(i, true);
        Paint();
    }
}

void ZynListBox::SelectInvert() {
    if (!MultiSelect_) return;
    ListIndex_ = -1;
    for (std::int32_t i = 0; i < ListCount_; ++i) {
        SetItemSelected(i, !Selected(i));
        if (Selected(i) && ListIndex_ == -1) ListIndex_ = static_cast<std::int16_t>(i);
        Paint();
    }
}

// ---- Layout ---------------------------------------------------------------------------------------------

// Whole rows of the control's font below the title bar; a font so small that its row pitch
// rounds to 0 makes this a division by zero.
std::int32_t ZynListBox::RowsBelowTitle() {
    const std::int32_t pitch = RoundToLong(2 * Font()->Size());
    if (pitch == 0) throw RuntimeError(errors::DivisionByZero);
    return RoundToLong(static_cast<double>(surface().ScaleHeight()) - TitleHeight_) / pitch;
}

void ZynListBox::Layout() {
    Surface& s = surface();
    // Outside a redraw the surface holds the symbol font: the title is measured with it.
    double title = Caption_.empty() ? 0.0 : MaxOf<double>(20, s.TextHeight(Caption_) + 5);
    TitleHeight_ = RoundToLong(title);
    if (Icon_) TitleHeight_ = RoundToLong(MaxOf<double>(TitleHeight_, s.ScaleY(Icon_->Height(), 8, 3) + 6));
    if (AutoSize_) {
        const double S = s.Font()->Size();
        const std::int16_t desired = toInteger(s.ScaleY(TitleHeight_ + ListCount_ * (2 * S - 1), 3, 1) - 20);
        // The host resizes the control, which lays it out again from the start.
        if (s.Height() != desired) s.setHeight(desired);
    }
    VisibleRows_ = RowsBelowTitle();
    ScrollNeeded_ = ListCount_ > VisibleRows_;
    TopIndex_ = ScrollNeeded_ ? MinOf<std::int32_t>(ListCount_ - VisibleRows_, TopIndex_) : 0;
    setRound(Round_);
}

}  // namespace ulmaro
