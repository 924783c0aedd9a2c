// The type library: every class publishes its properties, methods and events, with their
// numbers, in one table. Form files, input scripts, containers walking their controls and
// `ulmaro typelib` all reach members through these tables.
#pragma once

#include "variant.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ulmaro {

class Control;

struct ParamInfo {
    std::string name;
    VarType type;
    bool byRef = false;
    bool optional = false;
    Variant defaultValue{};
};

struct MemberInfo {
    enum class Kind { Property, Method };
    int dispid = 0;
    std::string name;
    Kind kind = Kind::Property;
    VarType type = VarType::Empty;  // property type or method result (Empty: none)
    std::string enumName;           // the enumeration a property takes, if any
    std::vector<ParamInfo> params;  // index arguments of a property, arguments of a method
    // Property get (with index arguments) or method call (with arguments, by-reference
    // arguments written back into `args`).
    std::function<Variant(Control&, std::vector<Variant>& args)> get;
    // Property let/set; absent for read-only properties and methods.
    std::function<void(Control&, std::vector<Variant>& index, const Variant& value)> let;
    bool readOnly() const { return kind == Kind::Property && !let; }
};

struct EventInfo {
    int number = 0;
    std::string name;
    std::vector<ParamInfo> params;
};

struct EnumInfo {
    std::string name;
    std::vector<std::pair<std::string, std::int32_t>> values;
};

struct ClassInfo {
    std::string name;
    std::string description;
    bool placeable = true;     // placed on forms (tooltips are created by code instead)
    bool canGetFocus = true;   // takes part in the tab order
    bool container = false;    // may hold other controls
    std::vector<MemberInfo> members;
    std::vector<EventInfo> events;
    std::vector<std::string> enums;  // enumerations this class publishes
    std::function<std::unique_ptr<Control>()> create;

    std::string dispatchInterface() const { return "_" + name; }
    std::string eventInterface() const { return "__" + name; }
    // Case-insensitive lookups, as the language resolves names; nullptr if absent.
    const MemberInfo* member(std::string_view n) const;
    const EventInfo* event(std::string_view n) const;
};

bool sameName(std::string_view a, std::string_view b);

// ---- Conversions between Variants and the C++ types controls use ----------------------------
template <class T>
struct VariantCast;
template <>
struct VariantCast<bool> {
    static bool from(const Variant& v) { return v.toBool(); }
    static Variant to(bool b) { return Variant(b); }
    static constexpr VarType type = VarType::Boolean;
};
template <>
struct VariantCast<std::int16_t> {
    static std::int16_t from(const Variant& v) { return v.toInt16(); }
    static Variant to(std::int16_t i) { return Variant(i); }
    static constexpr VarType type = VarType::Integer;
};
template <>
struct VariantCast<std::int32_t> {
    static std::int32_t from(const Variant& v) { return v.toInt32(); }
    static Variant to(std::int32_t i) { return Variant(i); }
    static constexpr VarType type = VarType::Long;
};
// Colours travel as Longs: &H8000000F reads back as -2147483633.
template <>
struct VariantCast<OLE_COLOR> {
    static OLE_COLOR from(const Variant& v) { return v.toColor(); }
    static Variant to(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }
    static constexpr VarType type = VarType::Long;
};
template <>
struct VariantCast<float> {
    static float from(const Variant& v) { return v.toFloat(); }
    static Variant to(float f) { return Variant(f); }
    static constexpr VarType type = VarType::Single;
};
template <>
struct VariantCast<double> {
    static double from(const Variant& v) { return v.toDouble(); }
    static Variant to(double d) { return Variant(d); }
    static constexpr VarType type = VarType::Double;
};
template <>
struct VariantCast<std::string> {
    static std::string from(const Variant& v) { return v.toString(); }
    static Variant to(std::string s) { return Variant(std::move(s)); }
    static constexpr VarType type = VarType::String;
};
template <>
struct VariantCast<std::shared_ptr<StdFont>> {
    static std::shared_ptr<StdFont> from(const Variant& v) { return v.toFont(); }
    static Variant to(std::shared_ptr<StdFont> f) { return Variant(std::move(f)); }
    static constexpr VarType type = VarType::Font;
};
template <>
struct VariantCast<std::shared_ptr<StdPicture>> {
    static std::shared_ptr<StdPicture> from(const Variant& v) { return v.toPicture(); }
    static Variant to(std::shared_ptr<StdPicture> p) { return Variant(std::move(p)); }
    static constexpr VarType type = VarType::Picture;
};

const char* varTypeName(VarType t);

// ---- Building a class's table --------------------------------------------------------------------
template <class C>
class ClassBuilder {
public:
    ClassBuilder(std::string name, std::string description) {
        info_.name = std::move(name);
        info_.description = std::move(description);
        info_.create = [] { return std::unique_ptr<Control>(std::make_unique<C>()); };
    }

    // A property with a getter and, unless Let is nullptr, a setter taking the same type.
    template <auto Get, auto Let = nullptr>
    ClassBuilder& property(std::string name, std::string enumName = {}) {
        using T = std::decay_t<std::invoke_result_t<decltype(Get), C&>>;
        MemberInfo m;
        m.name = std::move(name);
        m.type = VariantCast<T>::type;
        m.enumName = std::move(enumName);
        // Colours travel as Longs but are published as the host's colour type.
        if (m.enumName.empty() && std::is_same_v<T, OLE_COLOR>) m.enumName = "OLE_COLOR";
        m.get = [](Control& c, std::vector<Variant>&) { return VariantCast<T>::to((static_cast<C&>(c).*Get)()); };
        if constexpr (!std::is_same_v<decltype(Let), std::nullptr_t>) {
            m.let = [](Control& c, std::vector<Variant>&, const Variant& v) {
                (static_cast<C&>(c).*Let)(VariantCast<T>::from(v));
            };
        }
        return add(std::move(m));
    }

    // A method or indexed property written out by hand.
    ClassBuilder& member(MemberInfo m) { return add(std::move(m)); }

    // A method without arguments or result.
    template <auto Method>
    ClassBuilder& method(std::string name) {
        MemberInfo m;
        m.name = std::move(name);
        m.kind = MemberInfo::Kind::Method;
        m.get = [](Control& c, std::vector<Variant>&) {
            (static_cast<C&>(c).*Method)();
            return Variant();
        };
        return add(std::move(m));
    }

    ClassBuilder& event(int number, std::string name, std::vector<ParamInfo> params = {}) {
        info_.events.push_back(EventInfo{number, std::move(name), std::move(params)});
        return *this;
    }

    ClassBuilder& flags(bool placeable, bool canGetFocus, bool container = false) {
        info_.placeable = placeable;
        info_.canGetFocus = canGetFocus;
        info_.container = container;
        return *this;
    }
    ClassBuilder& enumeration(std::string name) {
        info_.enums.push_back(std::move(name));
        return *this;
    }

    ClassInfo build() { return std::move(info_); }

private:
    ClassBuilder& add(MemberInfo m) {
        m.dispid = static_cast<int>(info_.members.size()) + 1;
        info_.members.push_back(std::move(m));
        return *this;
    }
    ClassInfo info_;
};

// The registry of published classes and enumerations.
class TypeLibrary {
public:
    static TypeLibrary& instance();
    void addClass(ClassInfo info);
    void addEnum(EnumInfo info);
    const ClassInfo* findClass(std::string_view name) const;
    const EnumInfo* findEnum(std::string_view name) const;
    const std::vector<std::unique_ptr<ClassInfo>>& classes() const { return classes_; }
    const std::vector<EnumInfo>& enums() const { return enums_; }

private:
    std::vector<std::unique_ptr<ClassInfo>> classes_;
    std::vector<EnumInfo> enums_;
};

// Registers every class of the library once (defined with the controls).
void registerLibraryClasses();

}  // namespace ulmaro
