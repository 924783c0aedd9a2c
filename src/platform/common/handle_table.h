// A table of owned objects addressed by small integer handles. A handle carries the slot
// index and a generation count, so a handle to a deleted object never reaches the object
// that later reuses its slot: every lookup is checked.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace ulmaro::platform::detail {

template <class Base>
class HandleTable {
public:
    // Handles stay below 2^31 so that they survive a trip through a signed 32-bit Long.
    static constexpr std::uint32_t kIndexBits = 20;
    static constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;
    static constexpr std::uint32_t kGenerationMask = (1u << (31 - kIndexBits)) - 1;

    // A process may hold this many objects of a table at once, as the platform allows;
    // objects added as not counted (the shared stock objects) stand outside the quota.
    static constexpr std::size_t kQuota = 10000;

    // Returns 0 when the table is full or the quota is reached.
    std::uint32_t add(std::unique_ptr<Base> object, bool counted = true) {
        if (counted && counted_ >= kQuota) return 0;
        std::uint32_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else {
            if (slots_.size() >= kIndexMask) return 0;
            index = static_cast<std::uint32_t>(slots_.size());
            slots_.emplace_back();
        }
        Slot& slot = slots_[index];
        slot.object = std::move(object);
        slot.counted = counted;
        ++live_;
        if (counted) peak_ = std::max(peak_, ++counted_);
        return ((slot.generation & kGenerationMask) << kIndexBits) | (index + 1);
    }

    Base* get(std::uint32_t handle) const {
        const Slot* slot = find(handle);
        return slot ? slot->object.get() : nullptr;
    }

    // Destroys the object; false for a handle that does not name a live object.
    bool remove(std::uint32_t handle) {
        Slot* slot = const_cast<Slot*>(find(handle));
        if (!slot) return false;
        slot->object.reset();
        if (slot->counted) --counted_;
        slot->generation = (slot->generation + 1) & kGenerationMask;
        free_.push_back((handle & kIndexMask) - 1);
        --live_;
        return true;
    }

    std::size_t live() const { return live_; }
    // Objects under the quota now, and the most there have been at once.
    std::size_t counted() const { return counted_; }
    std::size_t peak() const { return peak_; }

    template <class F>
    void forEach(F f) const {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].object)
                f(static_cast<std::uint32_t>(((slots_[i].generation & kGenerationMask) << kIndexBits) | (i + 1)),
                  *slots_[i].object);
    }

private:
    struct Slot {
        std::unique_ptr<Base> object;
        std::uint32_t generation = 1;
        bool counted = true;
    };

    const Slot* find(std::uint32_t handle) const {
        std::uint32_t index = handle & kIndexMask;
        if (index == 0 || index > slots_.size()) return nullptr;
        const Slot& slot = slots_[index - 1];
        if (!slot.object || ((handle >> kIndexBits) & kGenerationMask) != (slot.generation & kGenerationMask))
            return nullptr;
        return &slot;
    }

    std::vector<Slot> slots_;
    std::vector<std::uint32_t> free_;
    std::size_t live_ = 0;
    std::size_t counted_ = 0;
    std::size_t peak_ = 0;
};

}  // namespace ulmaro::platform::detail
