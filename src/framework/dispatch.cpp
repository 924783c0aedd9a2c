#include "dispatch.h"

#include <cctype>

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
        case VarType::Nothing: return "Object";
    }
    return "Variant";
}

TypeLibrary& TypeLibrary::instance() {
    static TypeLibrary lib;
    return lib;
}

void TypeLibrary::addClass(ClassInfo info) {
    if (findClass(info.name)) return;
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
