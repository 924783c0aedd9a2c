// The type library: every class publishes its properties, methods and events, with their
// numbers, in one table. Form files, input scripts, containers walking their controls and
// `ulmaro typelib` all reach members through these tables.
#pragma once

#include "variant.h"

#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
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

// Where a property's default comes from when it is not a constant: the values the
// container supplies.
enum class AmbientValue { None, DisplayName, Font, BackColor, ForeColor };

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
    // Stores a constant default straight into the property's field, without the Let's
    // redraw and notification (fields only; used when the object is created).
    std::function<void(Control&, const Variant&)> storeDefault;

    // Persistence: the key the property is written under and the key it is read from
    // (both empty: not saved). Most classes use one key; a few read a different spelling.
    std::string writeKey;
    std::string readKey;
    // The default, given once: a constant, or an ambient value when `ambientDefault` names one.
    Variant defaultValue;
    AmbientValue ambientDefault = AmbientValue::None;
    // Available only at run time: never saved, not offered at design time.
    bool runtimeOnly = false;

    bool readOnly() const { return kind == Kind::Property && !let; }
    bool persisted() const { return !writeKey.empty() || !readKey.empty(); }
    bool hasDefault() const { return ambientDefault != AmbientValue::None || !defaultValue.isEmpty() || persisted(); }
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
    // Enumerations the class brings with it; the library registers them with the class
    // (an enumeration shared by several classes is registered once).
    std::vector<EnumInfo> enumDefinitions;
    std::function<std::unique_ptr<Control>()> create;

    std::string dispatchInterface() const { return "_" + name; }
    std::string eventInterface() const { return "__" + name; }
    // Case-insensitive lookups, as the language resolves names; nullptr if absent.
    const MemberInfo* member(std::string_view n) const;
    const EventInfo* event(std::string_view n) const;
    // The property read from saved key `key` (letter case ignored, as the bag compares keys);
    // nullptr if none. describesKeys() is false for a class whose table gives no keys.
    const MemberInfo* propertyReadFrom(std::string_view key) const;
    bool describesKeys() const;
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

// What a generated Let does after storing the value: nothing more, redraw the control with
// its Refresh(), or redraw and then tell the container the property changed.
enum class LetEffect { Store, Redraw, RedrawNotify };

// A property's default as the description states it: a bool, a number, a colour (system
// colours by name, e.g. SysColor::ButtonFace), a string, nullptr for an empty picture, or
// an enumeration value.
template <class T>
Variant defaultVariant(T v) {
    if constexpr (std::is_same_v<T, std::nullptr_t>) return Variant::nothing();
    else if constexpr (std::is_same_v<T, bool>) return Variant(v);
    else if constexpr (std::is_enum_v<T> || std::is_same_v<T, OLE_COLOR> || std::is_same_v<T, int>)
        return Variant(static_cast<std::int32_t>(v));
    else return Variant(v);
}

// Throws std::logic_error when two members share a name or a number, or two events do.
void checkDescription(const ClassInfo& info);

template <class C>
class ClassBuilder {
public:
    ClassBuilder(std::string name, std::string description) {
        info_.name = std::move(name);
        info_.description = std::move(description);
    }

    // A property with a getter and, unless Let is nullptr, a setter taking the same type.
    // Members added this way are numbered in order; prefer the numbered form below.
    template <auto Get, auto Let = nullptr>
    ClassBuilder& property(std::string name, std::string enumName = {}) {
        property<Get, Let>(static_cast<int>(info_.members.size()) + 1, std::move(name));
        if (!enumName.empty()) info_.members.back().enumName = std::move(enumName);
        return *this;
    }

    // A property with member number `number`, a getter and, unless Let is nullptr, a setter
    // with real logic taking the same type.
    template <auto Get, auto Let = nullptr>
    ClassBuilder& property(int number, std::string name) {
        using T = std::decay_t<std::invoke_result_t<decltype(Get), C&>>;
        MemberInfo m = propertyOf<T>(number, std::move(name));
        m.get = [](Control& c, std::vector<Variant>&) { return VariantCast<T>::to((static_cast<C&>(c).*Get)()); };
        if constexpr (!std::is_same_v<decltype(Let), std::nullptr_t>) {
            m.let = [](Control& c, std::vector<Variant>&, const Variant& v) {
                (static_cast<C&>(c).*Let)(VariantCast<T>::from(v));
            };
        }
        return add(std::move(m));
    }

    // A plain property kept in a field of the control: reads return the field; the Let is
    // generated (store, then what `Effect` says). No hand-written setter is needed.
    template <auto Field, LetEffect Effect = LetEffect::Redraw>
    ClassBuilder& field(int number, std::string name) {
        using T = std::decay_t<decltype(std::declval<C&>().*Field)>;
        MemberInfo m = propertyOf<T>(number, std::move(name));
        m.get = [](Control& c, std::vector<Variant>&) { return VariantCast<T>::to(static_cast<C&>(c).*Field); };
        m.let = [n = m.name](Control& c, std::vector<Variant>&, const Variant& v) {
            C& self = static_cast<C&>(c);
            self.*Field = VariantCast<T>::from(v);
            if constexpr (Effect != LetEffect::Store) self.Refresh();
            if constexpr (Effect == LetEffect::RedrawNotify) self.PropertyChanged(n);
        };
        m.storeDefault = [](Control& c, const Variant& v) { static_cast<C&>(c).*Field = VariantCast<T>::from(v); };
        return add(std::move(m));
    }

    // ---- Modifiers of the member added last ----
    // Saved under its own name, under `key`, or written under one key and read from another.
    ClassBuilder& key() { return keys(last().name, last().name); }
    ClassBuilder& key(std::string k) { return keys(k, k); }
    ClassBuilder& keys(std::string writeKey, std::string readKey) {
        last().writeKey = std::move(writeKey);
        last().readKey = std::move(readKey);
        return *this;
    }
    template <class T>
    ClassBuilder& byDefault(T value) {
        last().defaultValue = defaultVariant(value);
        return *this;
    }
    ClassBuilder& byDefault(AmbientValue value) {
        last().ambientDefault = value;
        return *this;
    }
    ClassBuilder& enumType(std::string enumName) {
        last().enumName = std::move(enumName);
        return *this;
    }
    ClassBuilder& readOnly() {
        last().let = nullptr;
        last().storeDefault = nullptr;
        return *this;
    }
    ClassBuilder& runtimeOnly() {
        last().runtimeOnly = true;
        return *this;
    }

    // A method or indexed property written out by hand.
    ClassBuilder& member(MemberInfo m) {
        if (m.dispid == 0) m.dispid = static_cast<int>(info_.members.size()) + 1;
        return add(std::move(m));
    }

    // A method without arguments or result.
    template <auto Method>
    ClassBuilder& method(std::string name) {
        return method<Method>(static_cast<int>(info_.members.size()) + 1, std::move(name));
    }
    template <auto Method>
    ClassBuilder& method(int number, std::string name) {
        MemberInfo m;
        m.dispid = number;
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
    // An enumeration the class publishes, registered along with it.
    ClassBuilder& enumeration(EnumInfo e) {
        info_.enums.push_back(e.name);
        info_.enumDefinitions.push_back(std::move(e));
        return *this;
    }

    // Checks the table (throws std::logic_error on a repeated name or member number) and
    // gives the class a factory that starts each field at its constant default.
    ClassInfo build() {
        checkDescription(info_);
        std::vector<std::pair<std::function<void(Control&, const Variant&)>, Variant>> defaults;
        for (const MemberInfo& m : info_.members)
            if (m.storeDefault && !m.defaultValue.isEmpty()) defaults.emplace_back(m.storeDefault, m.defaultValue);
        info_.create = [defaults] {
            auto c = std::make_unique<C>();
            for (const auto& [store, value] : defaults) store(*c, value);
            return std::unique_ptr<Control>(std::move(c));
        };
        return std::move(info_);
    }

private:
    template <class T>
    MemberInfo propertyOf(int number, std::string name) {
        MemberInfo m;
        m.dispid = number;
        m.name = std::move(name);
        m.type = VariantCast<T>::type;
        // Colours travel as Longs but are published as the host's colour type.
        if (std::is_same_v<T, OLE_COLOR>) m.enumName = "OLE_COLOR";
        return m;
    }
    MemberInfo& last() {
        if (info_.members.empty()) throw std::logic_error(info_.name + ": a modifier comes before any member");
        return info_.members.back();
    }
    ClassBuilder& add(MemberInfo m) {
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
