#include "zyn_tool_tips.h"

namespace ulmaro {

namespace {

const Variant& arg(const std::vector<Variant>& a, std::size_t i) {
    static const Variant missing;
    return i < a.size() ? a[i] : missing;
}

MemberInfo method(int dispid, std::string name, VarType result, std::vector<ParamInfo> params,
                  std::function<Variant(Control&, std::vector<Variant>&)> call) {
    MemberInfo m;
    m.dispid = dispid;
    m.name = std::move(name);
    m.kind = MemberInfo::Kind::Method;
    m.type = result;
    m.params = std::move(params);
    m.get = std::move(call);
    return m;
}

ParamInfo keyParam() { return ParamInfo{"sKey", VarType::Empty}; }

}  // namespace

ClassInfo ZynToolTips::describe() {
    using C = ZynToolTips;
    auto self = [](Control& c) -> C& { return static_cast<C&>(c); };
    std::vector<ParamInfo> addParams = {ParamInfo{"sKey", VarType::String, false, true, Variant("")},
                                        ParamInfo{"hwnd", VarType::Long, false, true, Variant(std::int32_t{0})},
                                        ParamInfo{"ToolTipText", VarType::String, false, true, Variant("")},
                                        ParamInfo{"Title", VarType::Empty, false, true, Variant()},
                                        ParamInfo{"Icon", VarType::Long, false, true, Variant(std::int32_t{0})},
                                        ParamInfo{"Balloon", VarType::Boolean, false, true, Variant(true)},
                                        ParamInfo{"Centered", VarType::Boolean, false, true, Variant(false)}};
    return ClassBuilder<C>("ZynToolTips", "A keyed collection of tooltips")
        .member(method(1, "Add", VarType::Object, addParams,
                       [self](Control& c, std::vector<Variant>& a) {
                           ZynToolTip::AttachOptions o;
                           if (!arg(a, 2).isEmpty()) o.ToolTipText = arg(a, 2).toString();
                           o.Title = arg(a, 3);
                           if (!arg(a, 4).isEmpty()) o.Icon = arg(a, 4).toInt32();
                           if (!arg(a, 5).isEmpty()) o.Balloon = arg(a, 5).toBool();
                           if (!arg(a, 6).isEmpty()) o.Centered = arg(a, 6).toBool();
                           std::string key = arg(a, 0).isEmpty() ? std::string() : arg(a, 0).toString();
                           return Variant(std::shared_ptr<Control>(self(c).Add(key, arg(a, 1).toInt32(), o)));
                       }))
        .member(method(2, "Item", VarType::Object, {keyParam()},
                       [self](Control& c, std::vector<Variant>& a) {
                           return Variant(std::shared_ptr<Control>(self(c).Item(arg(a, 0))));
                       }))
        .member(method(3, "Count", VarType::Long, {},
                       [self](Control& c, std::vector<Variant>&) { return Variant(self(c).Count()); }))
        .member(method(4, "Remove", VarType::Empty, {keyParam()},
                       [self](Control& c, std::vector<Variant>& a) {
                           self(c).Remove(arg(a, 0));
                           return Variant();
                       }))
        .method<&C::Clear>(5, "Clear")
        .flags(false, false)
        .build();
}

std::shared_ptr<ZynToolTip> ZynToolTips::Add(const std::string& sKey, std::int32_t hwnd,
                                             const ZynToolTip::AttachOptions& options) {
    const ClassInfo* cls = TypeLibrary::instance().findClass("ZynToolTip");
    auto tip = std::shared_ptr<ZynToolTip>(static_cast<ZynToolTip*>(cls->create().release()));
    if (site()) tip->attach(*cls, "", *site(), nullptr);
    // A key already in the collection fails before any tooltip window is made.
    if (!sKey.empty())
        for (const Entry& e : items_)
            if (sameName(e.key, sKey)) throw RuntimeError(errors::DuplicateKey);
    items_.push_back(Entry{sKey, tip});
    tip->Attach(hwnd, options);
    return tip;
}

// A string is a key (letter case ignored, as the collection compares keys); anything else
// a position from 1.
std::size_t ZynToolTips::indexOf(const Variant& sKey) const {
    if (sKey.type() == VarType::String) {
        const std::string k = sKey.toString();
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (!items_[i].key.empty() && sameName(items_[i].key, k)) return i;
        throw RuntimeError(errors::InvalidProcedureCall);
    }
    if (sKey.isObject()) throw RuntimeError(errors::TypeMismatch);
    const std::int32_t n = sKey.toInt32();
    if (n < 1 || n > Count()) throw RuntimeError(errors::SubscriptOutOfRange);
    return static_cast<std::size_t>(n - 1);
}

std::shared_ptr<ZynToolTip> ZynToolTips::Item(const Variant& sKey) const { return items_[indexOf(sKey)].tip; }

void ZynToolTips::Remove(const Variant& sKey) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(indexOf(sKey))); }

void ZynToolTips::Clear() {
    for (const Entry& e : items_) e.tip->Remove();
}

std::vector<std::shared_ptr<ZynToolTip>> ZynToolTips::NewEnum() const {
    std::vector<std::shared_ptr<ZynToolTip>> out;
    for (const Entry& e : items_) out.push_back(e.tip);
    return out;
}

}  // namespace ulmaro
