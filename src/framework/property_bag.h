// The property bag a control reads its saved properties from and writes them to. Keys are
// matched without regard to letter case, as the host's bag does; entries keep the order in
// which they were written.
#pragma once

#include "variant.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ulmaro {

class PropertyBag {
public:
    using Entry = std::pair<std::string, Variant>;

    // The stored value, or `defaultValue` when the key is absent.
    Variant ReadProperty(std::string_view name, const Variant& defaultValue = {}) const;
    // Stores the value. Every value is written, defaults too, so that a saved form shows
    // each property a control persists, in the order the control writes them.
    void WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue = {});

    bool contains(std::string_view name) const;
    const std::vector<Entry>& entries() const { return entries_; }
    // Keys that were stored but never read (a misspelt key in a hand-edited form).
    std::vector<std::string> unreadKeys() const;
    // The stored key read last: when a control refuses a value it has just read, the key
    // that held it.
    const std::string& lastRead() const { return lastRead_; }

private:
    std::vector<Entry> entries_;
    mutable std::vector<bool> read_;
    mutable std::string lastRead_;
};

}  // namespace ulmaro
