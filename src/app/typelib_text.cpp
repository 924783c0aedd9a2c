#include "typelib_text.h"

#include "value_text.h"

#include "framework/dispatch.h"
#include "framework/json_scalar.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <ostream>

namespace ulmaro::app {

namespace {

void printParams(std::ostream& out, const std::vector<ParamInfo>& params) {
    out << "(";
    for (std::size_t i = 0; i < params.size(); ++i) {
        const ParamInfo& p = params[i];
        if (i) out << ", ";
        if (p.optional) out << "Optional ";
        out << (p.byRef ? "ByRef " : "ByVal ") << p.name << " As " << varTypeName(p.type);
        if (p.optional && !p.defaultValue.isEmpty()) out << " = " << formatValue(p.defaultValue);
    }
    out << ")";
}

const char* ambientName(AmbientValue a) {
    switch (a) {
        case AmbientValue::DisplayName: return "the ambient DisplayName";
        case AmbientValue::Font: return "the ambient Font";
        case AmbientValue::BackColor: return "the ambient BackColor";
        case AmbientValue::ForeColor: return "the ambient ForeColor";
        case AmbientValue::None: break;
    }
    return "";
}

// Colours print in hexadecimal as the host language writes Long literals (&H8000000F&).
std::string defaultText(const MemberInfo& m) {
    if (m.ambientDefault != AmbientValue::None) return ambientName(m.ambientDefault);
    if (m.enumName == "OLE_COLOR" && m.defaultValue.isNumeric()) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "&H%X&", static_cast<unsigned>(m.defaultValue.toColor()));
        return buf;
    }
    return formatValue(m.defaultValue);
}

// Key and default of a property, as a comment after its declaration.
void printPersistence(std::ostream& out, const MemberInfo& m) {
    if (m.runtimeOnly) out << " (run-time only)";
    if (!m.persisted() && m.defaultValue.isEmpty() && m.ambientDefault == AmbientValue::None) return;
    out << "  '";
    if (m.persisted()) {
        out << " key " << quote(m.writeKey);
        if (m.readKey != m.writeKey) out << " (read from " << quote(m.readKey) << ")";
        out << ",";
    }
    out << " default " << defaultText(m);
}

using ojson = nlohmann::ordered_json;

// A constant as JSON: numbers, Booleans and strings as themselves, an empty picture or
// font as null.
ojson paramsJson(const std::vector<ParamInfo>& params) {
    ojson list = ojson::array();
    for (const ParamInfo& p : params) {
        ojson j;
        j["name"] = p.name;
        j["type"] = varTypeName(p.type);
        j["byRef"] = p.byRef;
        j["optional"] = p.optional;
        if (p.optional && !p.defaultValue.isEmpty()) j["default"] = ScalarToJson<ojson>(p.defaultValue);
        list.push_back(std::move(j));
    }
    return list;
}

ojson memberJson(const MemberInfo& m) {
    ojson j;
    j["number"] = m.dispid;
    j["name"] = m.name;
    const bool method = m.kind == MemberInfo::Kind::Method;
    j["kind"] = method ? "method" : "property";
    j["type"] = m.type == VarType::Empty ? std::string() : std::string(varTypeName(m.type));
    if (!m.enumName.empty()) j["enum"] = m.enumName;
    if (!m.params.empty() || method) j["params"] = paramsJson(m.params);
    if (method) return j;
    j["readOnly"] = m.readOnly();
    j["runtimeOnly"] = m.runtimeOnly;
    if (m.persisted()) {
        j["key"] = m.writeKey;
        if (m.readKey != m.writeKey) j["readKey"] = m.readKey;
    }
    // An ambient default names what the container supplies ("DisplayName", "Font").
    if (m.ambientDefault != AmbientValue::None) j["ambientDefault"] = std::string(ambientName(m.ambientDefault)).substr(12);
    else if (!m.defaultValue.isEmpty() || m.persisted()) j["default"] = ScalarToJson<ojson>(m.defaultValue);
    return j;
}

}  // namespace

void printTypeLibraryJson(std::ostream& out) {
    ojson lib;
    lib["library"] = "Ulmaro";
    ojson classes = ojson::array();
    for (const auto& cls : TypeLibrary::instance().classes()) {
        ojson c;
        c["name"] = cls->name;
        c["description"] = cls->description;
        c["interface"] = cls->dispatchInterface();
        c["eventInterface"] = cls->eventInterface();
        c["placeable"] = cls->placeable;
        c["container"] = cls->container;
        ojson members = ojson::array();
        for (const MemberInfo& m : cls->members) members.push_back(memberJson(m));
        c["members"] = std::move(members);
        ojson events = ojson::array();
        for (const EventInfo& e : cls->events) events.push_back(ojson{{"number", e.number}, {"name", e.name}, {"params", paramsJson(e.params)}});
        c["events"] = std::move(events);
        classes.push_back(std::move(c));
    }
    lib["classes"] = std::move(classes);
    ojson enums = ojson::array();
    for (const EnumInfo& e : TypeLibrary::instance().enums()) {
        ojson values = ojson::object();
        for (const auto& [name, value] : e.values) values[name] = value;
        enums.push_back(ojson{{"name", e.name}, {"values", std::move(values)}});
    }
    lib["enums"] = std::move(enums);
    out << lib.dump(2) << "\n";
}

void printTypeLibrary(std::ostream& out) {
    out << "library Ulmaro\n";
    for (const auto& cls : TypeLibrary::instance().classes()) {
        out << "\nclass " << cls->name;
        if (!cls->description.empty()) out << "  ' " << cls->description;
        out << "\n  interface " << cls->dispatchInterface() << "\n";
        for (const MemberInfo& m : cls->members) {
            out << "    " << m.dispid << " ";
            if (m.kind == MemberInfo::Kind::Method) {
                out << (m.type == VarType::Empty ? "Sub " : "Function ") << m.name;
                printParams(out, m.params);
                if (m.type != VarType::Empty) out << " As " << varTypeName(m.type);
            } else {
                out << "Property " << m.name;
                if (!m.params.empty()) printParams(out, m.params);
                out << " As " << (m.enumName.empty() ? varTypeName(m.type) : m.enumName.c_str());
                if (m.readOnly()) out << " (read-only)";
                printPersistence(out, m);
            }
            out << "\n";
        }
        out << "  events " << cls->eventInterface() << "\n";
        for (const EventInfo& e : cls->events) {
            out << "    " << e.number << " " << e.name;
            printParams(out, e.params);
            out << "\n";
        }
    }
    for (const EnumInfo& e : TypeLibrary::instance().enums()) {
        out << "\nenum " << e.name << "\n";
        for (const auto& [name, value] : e.values) out << "    " << quote(name) << " = " << value << "\n";
    }
}

}  // namespace ulmaro::app
