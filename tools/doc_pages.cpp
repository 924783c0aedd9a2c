// Fills the generated parts of the control pages in docs/controls/ from the project itself:
// the member tables from the class descriptions, and the pictures section from the form and
// the state scripts beside each page (their pictures are drawn by scripts/make-docs).
//
// Usage: ulmaro_doc_pages DOCS_DIR OUT_DIR
// Reads DOCS_DIR/controls/CLASS.md for every published class (a missing page is an error)
// and writes the page with its generated parts renewed to OUT_DIR/controls/CLASS.md.
#include "app/value_text.h"
#include "framework/dispatch.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;
using namespace ulmaro;

namespace {

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + p.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string cell(std::string s) {
    for (std::size_t i = 0; (i = s.find('|', i)) != std::string::npos; i += 2) s.replace(i, 1, "\\|");
    return s;
}

std::string params(const std::vector<ParamInfo>& ps) {
    std::string out;
    for (const ParamInfo& p : ps) {
        if (!out.empty()) out += ", ";
        if (p.optional) out += "Optional ";
        out += std::string(p.byRef ? "ByRef " : "") + p.name + " As " + varTypeName(p.type);
        if (p.optional && !p.defaultValue.isEmpty()) out += " = " + app::formatValue(p.defaultValue);
    }
    return out;
}

std::string defaultText(const MemberInfo& m) {
    switch (m.ambientDefault) {
        case AmbientValue::DisplayName: return "the control's name";
        case AmbientValue::Font: return "the form's font";
        case AmbientValue::BackColor: return "the form's BackColor";
        case AmbientValue::ForeColor: return "the form's ForeColor";
        case AmbientValue::None: break;
    }
    if (m.defaultValue.isEmpty()) return "";
    if (m.enumName == "OLE_COLOR" && m.defaultValue.isNumeric()) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "&H%X&", static_cast<unsigned>(m.defaultValue.toColor()));
        return buf;
    }
    return app::formatValue(m.defaultValue);
}

std::string membersBlock(const ClassInfo& c) {
    std::ostringstream o;
    auto count = [&](MemberInfo::Kind k) {
        return std::count_if(c.members.begin(), c.members.end(), [k](const MemberInfo& m) { return m.kind == k; });
    };
    o << "Properties (`set NAME.PROPERTY VALUE`, `get NAME.PROPERTY` in scripts; saved under the key shown):\n\n"
      << (count(MemberInfo::Kind::Property) ? "| # | Property | Type | Saved as | Default |\n|---|---|---|---|---|\n" : "None.\n");
    for (const MemberInfo& m : c.members) {
        if (m.kind != MemberInfo::Kind::Property) continue;
        std::string type = m.enumName.empty() ? varTypeName(m.type) : m.enumName;
        if (!m.params.empty()) type += " (index: " + params(m.params) + ")";
        if (m.readOnly()) type += ", read-only";
        if (m.runtimeOnly) type += ", run time only";
        std::string key = m.writeKey;
        if (m.readKey != m.writeKey) key += " (read from " + m.readKey + ")";
        o << "| " << m.dispid << " | " << m.name << " | " << cell(type) << " | " << cell(key) << " | "
          << cell(m.persisted() || m.ambientDefault != AmbientValue::None ? defaultText(m) : "") << " |\n";
    }
    o << "\nMethods (`call NAME.METHOD ARGS`):\n\n"
      << (count(MemberInfo::Kind::Method) ? "| # | Method | Arguments | Result |\n|---|---|---|---|\n" : "None.\n");
    for (const MemberInfo& m : c.members)
        if (m.kind == MemberInfo::Kind::Method)
            o << "| " << m.dispid << " | " << m.name << " | " << cell(params(m.params)) << " | "
              << (m.type == VarType::Empty ? "" : varTypeName(m.type)) << " |\n";
    o << "\nEvents (printed as `NAME.EVENT ARGUMENTS`; `on NAME.EVENT ARG=VALUE` answers ByRef arguments):\n\n";
    if (c.events.empty()) o << "None.\n";
    else o << "| # | Event | Arguments |\n|---|---|---|\n";
    for (const EventInfo& e : c.events) o << "| " << e.number << " | " << e.name << " | " << cell(params(e.params)) << " |\n";
    for (const std::string& name : c.enums) {
        const EnumInfo* e = TypeLibrary::instance().findEnum(name);
        if (!e) continue;
        o << "\nEnumeration " << e->name << ": ";
        for (std::size_t i = 0; i < e->values.size(); ++i)
            o << (i ? ", " : "") << app::quote(e->values[i].first) << " = " << e->values[i].second;
        o << ".\n";
    }
    return o.str();
}

// The form, then per state script (in name order) its picture, its first comment line as the
// caption and the script itself.
std::string picturesBlock(const fs::path& docs, const std::string& cls) {
    const fs::path dir = docs / "controls" / cls;
    std::ostringstream o;
    o << "Each picture is the form [`" << cls << "/form.json`](" << cls << "/form.json) after its script, drawn by\n"
      << "`ulmaro render docs/controls/" << cls << "/form.json --script docs/controls/" << cls
      << "/STATE.script -o STATE.png`.\n\n```json\n" << readFile(dir / "form.json") << "```\n";
    std::vector<fs::path> scripts;
    for (const auto& f : fs::directory_iterator(dir))
        if (f.path().extension() == ".script") scripts.push_back(f.path());
    std::sort(scripts.begin(), scripts.end());
    for (const fs::path& s : scripts) {
        std::istringstream in(readFile(s));
        std::string caption, line, body;
        while (std::getline(in, line)) {
            if (caption.empty() && line.rfind("# ", 0) == 0) caption = line.substr(2);
            else body += line + "\n";
        }
        const std::string state = s.stem().string();
        o << "\n### " << state << "\n\n" << caption << "\n\n![" << cls << ", " << state << "](" << cls << "/" << state << ".png)\n";
        if (!body.empty())
            o << "\n[`" << state << ".script`](" << cls << "/" << state << ".script):\n\n```\n" << body << "```\n";
    }
    return o.str();
}

// Replaces what lies between "<!-- NAME -->" and "<!-- /NAME -->".
std::string replaceBlock(const std::string& page, const std::string& name, const std::string& content,
                         const std::string& file) {
    const std::string open = "<!-- " + name + " -->\n", close = "<!-- /" + name + " -->";
    const std::size_t a = page.find(open), b = page.find(close);
    if (a == std::string::npos || b == std::string::npos || b < a)
        throw std::runtime_error(file + ": no " + open.substr(0, open.size() - 1) + " ... " + close + " block");
    return page.substr(0, a + open.size()) + content + page.substr(b);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: ulmaro_doc_pages DOCS_DIR OUT_DIR\n";
        return 2;
    }
    const fs::path docs = argv[1], out = argv[2];
    registerLibraryClasses();
    try {
        fs::create_directories(out / "controls");
        for (const auto& c : TypeLibrary::instance().classes()) {
            const fs::path page = docs / "controls" / (c->name + ".md");
            std::string text = readFile(page);
            text = replaceBlock(text, "members", membersBlock(*c), page.string());
            text = replaceBlock(text, "pictures", picturesBlock(docs, c->name), page.string());
            std::ofstream(out / "controls" / (c->name + ".md"), std::ios::binary) << text;
        }
    } catch (const std::exception& e) {
        std::cerr << "ulmaro_doc_pages: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
