#include "dispatch.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace ulmaro {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

const MemberInfo* ClassInfo::member(std::string_view n) const {
    for (const MemberInfo& m : members)
        if (sameName(m.name, n)) return &m;
    return nullptr;
}

const EventInfo* ClassInfo::event(std::string_view n) const {
    for (const EventInfo& e : events)
        if (sameName(e.name, n)) return &e;
    return nullptr;
}

const MemberInfo* ClassInfo::propertyReadFrom(std::string_view key) const {
    for (const MemberInfo& m : members)
        if (!m.readKey.empty() && sameName(m.readKey, key)) return &m;
    return nullptr;
}

bool ClassInfo::describesKeys() const {
    for (const MemberInfo& m : members)
        if (m.persisted()) return true;
    return false;
}

const char* varTypeName(VarType t) {
    switch (t) {
        case VarType::Empty: return "Variant";
        case VarType::Integer: return "Integer";
        case VarType::Long: return "Long";
        case VarType::Single: return "Single";
        case VarType::Double: return "Double";
        case VarType::String: return "String";
        case VarType::Boolean: return "Boolean";
        case VarType::Font: return "StdFont";
        case VarType::Picture: return "StdPicture";
        case VarType::Nothing:
        case VarType::Object: return "Object";
    }
    return "Variant";
}

TypeLibrary& TypeLibrary::instance() {
    static TypeLibrary lib;
    return lib;
}

void checkDescription(const ClassInfo& info) {
    auto fail = [&](const std::string& what) { throw std::logic_error(info.name + ": " + what); };
    for (std::size_t i = 0; i < info.members.size(); ++i)
        for (std::size_t j = i + 1; j < info.members.size(); ++j) {
            if (sameName(info.members[i].name, info.members[j].name)) fail("two members named " + info.members[j].name);
            if (info.members[i].dispid == info.members[j].dispid)
                fail(info.members[i].name + " and " + info.members[j].name + " share member number " +
                     std::to_string(info.members[j].dispid));
        }
    for (std::size_t i = 0; i < info.events.size(); ++i)
        for (std::size_t j = i + 1; j < info.events.size(); ++j)
            if (sameName(info.events[i].name, info.events[j].name) || info.events[i].number == info.events[j].number)
                fail("events " + info.events[i].name + " and " + info.events[j].name + " clash");
}

void TypeLibrary::addClass(ClassInfo info) {
    if (findClass(info.name)) return;
    for (const EnumInfo& e : info.enumDefinitions) addEnum(e);
    classes_.push_back(std::make_unique<ClassInfo>(std::move(info)));
}

void TypeLibrary::addEnum(EnumInfo info) {
    if (findEnum(info.name)) return;
    enums_.push_back(std::move(info));
}

const ClassInfo* TypeLibrary::findClass(std::string_view name) const {
    for (const auto& c : classes_)
        if (sameName(c->name, name)) return c.get();
    return nullptr;
}

const EnumInfo* TypeLibrary::findEnum(std::string_view name) const {
    for (const EnumInfo& e : enums_)
        if (sameName(e.name, name)) return &e;
    return nullptr;
}

}  // namespace ulmaro
