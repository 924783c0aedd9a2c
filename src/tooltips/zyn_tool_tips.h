// ZynToolTips: a keyed collection of ZynToolTip objects, with the failures of the host's
// collection: a key given twice (457), a key not in it (5), a position outside it (9).
#pragma once

#include "zyn_tool_tip.h"

#include <memory>
#include <string>
#include <vector>

namespace ulmaro {

class ZynToolTips : public Control {
public:
    static ClassInfo describe();

    // Creates a tip, adds it (under sKey unless that is empty), then attaches it.
    std::shared_ptr<ZynToolTip> Add(const std::string& sKey, std::int32_t hwnd, const ZynToolTip::AttachOptions& options);
    // A key string or a position counted from 1.
    std::shared_ptr<ZynToolTip> Item(const Variant& sKey) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
    // Takes the item out; its tooltip window stays.
    void Remove(const Variant& sKey);
    // Destroys every item's tooltip window; the items stay.
    void Clear();
    // The items in order, as the collection's enumerator hands them out.
    std::vector<std::shared_ptr<ZynToolTip>> NewEnum() const;

private:
    struct Entry {
        std::string key;  // empty: reachable only by position or enumeration
        std::shared_ptr<ZynToolTip> tip;
    };
    std::size_t indexOf(const Variant& sKey) const;
    std::vector<Entry> items_;
};

}  // namespace ulmaro
