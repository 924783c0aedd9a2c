#include "property_bag.h"

#include "dispatch.h"

namespace ulmaro {

Variant PropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (sameName(entries_[i].first, name)) {
            read_[i] = true;
            lastRead_ = entries_[i].first;
            return entries_[i].second;
        }
    return defaultValue;
}

void PropertyBag::WriteProperty(std::string_view name, const Variant& value, const Variant&) {
    for (auto& e : entries_)
        if (sameName(e.first, name)) {
            e.second = value;
            return;
        }
    entries_.emplace_back(std::string(name), value);
    read_.push_back(false);
}

bool PropertyBag::contains(std::string_view name) const {
    for (const auto& e : entries_)
        if (sameName(e.first, name)) return true;
    return false;
}

std::vector<std::string> PropertyBag::unreadKeys() const {
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (!read_[i]) keys.push_back(entries_[i].first);
    return keys;
}

}  // namespace ulmaro
