#include "form_file.h"

#include "ansi_text.h"
#include "json_key_lines.h"
#include "json_scalar.h"
#include "std_picture.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <optional>
#include <fstream>
#include <sstream>

namespace ulmaro {

using json = nlohmann::ordered_json;
namespace fs = std::filesystem;

namespace {

// ---- Values ------------------------------------------------------------------------------------------

json fontToJson(const StdFont& f) {
    json j;
    j["Name"] = Utf8FromAnsi(f.Name());
    j["Size"] = f.Size();
    j["Bold"] = f.Bold();
    j["Italic"] = f.Italic();
    j["Underline"] = f.Underline();
    j["Strikethrough"] = f.Strikethrough();
    j["Weight"] = f.Weight();
    j["Charset"] = f.Charset();
    return j;
}

std::string relativePath(const std::string& picture, const std::string& formPath) {
    if (picture.empty()) return picture;
    fs::path base = fs::absolute(fs::path(formPath)).parent_path();
    std::error_code ec;
    fs::path rel = fs::relative(fs::absolute(picture), base, ec);
    return ec || rel.empty() ? picture : rel.generic_string();
}

json valueToJson(const Variant& v, const std::string& formPath) {
    switch (v.type()) {
        case VarType::Font: return fontToJson(*v.toFont());
        case VarType::Picture: {
            json j;
            j["Picture"] = relativePath(v.toPicture()->Path(), formPath);
            return j;
        }
        default: return ScalarToJson<json>(v);
    }
}

struct LoadContext {
    std::string path;
    JsonKeyLines where;       // the line of each part of the file
    std::string control;      // the control being read, for messages
    std::string controlPath;  // where it is in the file ("/Controls/0")
    std::map<std::string, int> names;  // names placed so far (upper case) and their lines
    // Checking gathers every problem here instead of stopping at the first.
    std::vector<std::string>* problems = nullptr;

    // Runs one independent part of the file: while checking, its problem is noted and the
    // reading goes on with the next part. Returns whether the part was read.
    template <class F>
    bool attempt(F&& part) {
        try {
            part();
            return true;
        } catch (const FormFileError& e) {
            if (!problems) throw;
            problems->push_back(e.what());
            return false;
        }
    }

    int lineOf(const std::string& jsonPath) const { return where.lineOf(jsonPath); }

    // The message names the line given, or the line where the control being read begins.
    [[noreturn]] void fail(const std::string& what, int line = -1) const {
        std::ostringstream m;
        m << path << ":" << (line >= 0 ? line : lineOf(controlPath));
        if (!control.empty()) m << ": control " << control;
        m << ": " << what;
        throw FormFileError(m.str());
    }
};

// What a JSON value is, for messages.
std::string kindOf(const json& v) {
    if (v.is_null()) return "null";
    if (v.is_boolean()) return v.get<bool>() ? "true" : "false";
    if (v.is_number()) return "the number " + v.dump();
    if (v.is_string()) return "the string " + v.dump();
    if (v.is_array()) return "a list";
    return "an object";
}

// A font: each field once. Bold is a view of Weight (weights from 600 read as bold), so a
// font that gives both must not contradict itself; which would win is not a question a
// form file gets to ask.
std::shared_ptr<StdFont> fontFromJson(const json& j, const LoadContext& ctx, const std::string& key, const std::string& at) {
    auto f = StdFont::New();
    for (auto it = j.begin(); it != j.end(); ++it) {
        const std::string& k = it.key();
        const json& v = it.value();
        const int line = ctx.lineOf(at + "/" + k);
        auto wrong = [&](const char* expected) {
            ctx.fail("font \"" + key + "\": \"" + k + "\" takes " + expected + ", not " + kindOf(v), line);
        };
        auto flag = [&] {
            if (!v.is_boolean()) wrong("true or false");
            return v.get<bool>();
        };
        auto whole = [&](std::int64_t min, std::int64_t max, const char* expected) {
            if (!v.is_number_integer() || v.get<std::int64_t>() < min || v.get<std::int64_t>() > max) wrong(expected);
            return static_cast<std::int16_t>(v.get<std::int64_t>());
        };
        if (k == "Name") {
            if (!v.is_string()) wrong("a face name string");
            f->SetName(AnsiFromUtf8(v.get<std::string>()));
        } else if (k == "Size") {
            // The host's font sizes run up to 2160 points.
            if (!v.is_number() || !(v.get<double>() > 0 && v.get<double>() <= 2160)) wrong("a size in points, above 0 and up to 2160");
            f->SetSize(v.get<double>());
        } else if (k == "Bold") {
            f->SetBold(flag());
        } else if (k == "Italic") {
            f->SetItalic(flag());
        } else if (k == "Underline") {
            f->SetUnderline(flag());
        } else if (k == "Strikethrough") {
            f->SetStrikethrough(flag());
        } else if (k == "Weight") {
            // Any weight the font object can hold, so that every font a program set saves
            // and loads again.
            f->SetWeight(whole(INT16_MIN, INT16_MAX, "a whole number from -32768 to 32767"));
        } else if (k == "Charset") {
            f->SetCharset(whole(0, 255, "a whole number from 0 to 255"));
        } else {
            ctx.fail("font \"" + key + "\": unknown key \"" + k + "\" (Name, Size, Bold, Italic, Underline, Strikethrough, Weight, Charset)", line);
        }
    }
    if (j.contains("Bold") && j.contains("Weight") && j["Bold"].get<bool>() != f->Bold())
        ctx.fail("font \"" + key + "\": \"Bold\": " + j["Bold"].dump() + " contradicts \"Weight\": " + j["Weight"].dump() +
                     " (weights from 600 are bold)",
                 ctx.lineOf(at + "/Weight"));
    return f;
}

Variant valueFromJson(const json& v, const LoadContext& ctx, const std::string& key, const std::string& at) {
    if (v.is_boolean()) return Variant(v.get<bool>());
    if (v.is_number_integer()) {
        auto n = v.get<std::int64_t>();
        if (n >= INT32_MIN && n <= INT32_MAX) return Variant(static_cast<std::int32_t>(n));
        if (n >= 0 && n <= 0xFFFFFFFFLL) return Variant(static_cast<std::int32_t>(static_cast<std::uint32_t>(n)));
        return Variant(static_cast<double>(n));
    }
    if (v.is_number()) return Variant(v.get<double>());
    if (v.is_string()) return Variant(AnsiFromUtf8(v.get<std::string>()));
    if (v.is_null()) return Variant::nothing();
    const int line = ctx.lineOf(at);
    if (v.is_object() && v.contains("Picture")) {
        if (v.size() != 1 || !v["Picture"].is_string()) ctx.fail("picture \"" + key + "\" must be {\"Picture\": \"path\"}", line);
        std::string rel = v["Picture"].get<std::string>();
        if (rel.empty()) return Variant::nothing();
        fs::path p = fs::path(rel).is_absolute() ? fs::path(rel) : fs::path(ctx.path).parent_path() / rel;
        try {
            return Variant(StdPicture::Load(p.string()));
        } catch (const std::exception& e) {
            ctx.fail(std::string("picture \"") + key + "\": " + e.what(), line);
        }
    }
    if (v.is_object()) return Variant(fontFromJson(v, ctx, key, at));
    ctx.fail("property \"" + key + "\" has a value of a kind a property bag cannot hold (" + kindOf(v) + ")", line);
}

// What a property of type `m` takes in a form file, when `v` is not that; empty when it is.
std::string expectedFor(const MemberInfo& m, const json& v) {
    const std::string type = m.enumName.empty() ? varTypeName(m.type) : m.enumName;
    switch (m.type) {
        case VarType::Boolean: return v.is_boolean() ? "" : "true or false (Boolean)";
        case VarType::Integer:
        case VarType::Long: return v.is_number_integer() ? "" : "a whole number (" + type + ")";
        case VarType::Single:
        case VarType::Double:
            return v.is_number() || NonFiniteFromJson(v) ? "" : "a number (" + type + "), \"Infinity\", \"-Infinity\" or \"NaN\"";
        case VarType::String: return v.is_string() ? "" : "a string";
        case VarType::Font:
            return v.is_object() && !v.contains("Picture") ? "" : "a font object such as {\"Name\": \"Tahoma\", \"Size\": 8}";
        case VarType::Picture:
            return v.is_null() || (v.is_object() && v.contains("Picture")) ? "" : "{\"Picture\": \"path\"} or null";
        default: return "";
    }
}

// ---- Loading -----------------------------------------------------------------------------------------

int intField(const json& obj, const char* key, const LoadContext& ctx, const std::string& at, int min, int max) {
    if (!obj.contains(key)) ctx.fail(std::string("missing \"") + key + "\"", ctx.lineOf(at));
    const json& v = obj[key];
    const int line = ctx.lineOf(at + "/" + key);
    if (!v.is_number_integer()) ctx.fail(std::string("\"") + key + "\" must be a whole number, not " + kindOf(v), line);
    auto n = v.get<std::int64_t>();
    if (n < min || n > max)
        ctx.fail(std::string("\"") + key + "\" is out of range (" + std::to_string(n) + "; " + std::to_string(min) + " to " +
                     std::to_string(max) + ")",
                 line);
    return static_cast<int>(n);
}

void loadControl(Form& form, const json& item, Control* container, LoadContext& ctx);

void loadControls(Form& form, const json& list, Control* container, LoadContext& ctx, const std::string& at) {
    if (!list.is_array()) ctx.fail("\"Controls\" must be a list, not " + kindOf(list), ctx.lineOf(at));
    for (std::size_t index = 0; index < list.size(); ++index) {
        ctx.control.clear();
        ctx.controlPath = at + "/" + std::to_string(index);
        ctx.attempt([&] { loadControl(form, list[index], container, ctx); });
    }
}

void loadControl(Form& form, const json& item, Control* container, LoadContext& ctx) {
    {
        const std::string& here = ctx.controlPath;
        if (!item.is_object()) ctx.fail("a control must be an object, not " + kindOf(item));
        if (!item.contains("Class") || !item["Class"].is_string()) ctx.fail("a control needs a \"Class\" string");
        if (!item.contains("Name") || !item["Name"].is_string()) ctx.fail("a control needs a \"Name\" string");
        std::string cls = item["Class"].get<std::string>();
        ctx.control = item["Name"].get<std::string>();
        if (!isControlName(ctx.control)) ctx.fail(controlNameRule(ctx.control), ctx.lineOf(here + "/Name"));
        // Names are compared without regard to letter case, as scripts find them.
        std::string upper = ctx.control;
        for (char& ch : upper) ch = AnsiUpper(ch);
        auto [seen, fresh] = ctx.names.emplace(upper, ctx.lineOf(here + "/Name"));
        if (!fresh)
            ctx.fail("the name " + ctx.control + " is taken by the control of line " + std::to_string(seen->second) +
                         " (names are compared without regard to letter case)",
                     ctx.lineOf(here + "/Name"));
        for (auto it = item.begin(); it != item.end(); ++it) {
            static const char* known[] = {"Class", "Name", "Left", "Top", "Width", "Height", "Properties", "Controls"};
            if (std::none_of(std::begin(known), std::end(known), [&](const char* k) { return it.key() == k; }))
                ctx.fail("unknown key \"" + it.key() + "\"", ctx.lineOf(here + "/" + it.key()));
        }
        const ClassInfo* info = TypeLibrary::instance().findClass(cls);
        if (!info || !info->placeable) ctx.fail("unknown class " + cls, ctx.lineOf(here + "/Class"));
        const int place = static_cast<int>(kMaxPosition), side = static_cast<int>(kMaxSide);
        int left = intField(item, "Left", ctx, here, -place, place);
        int top = intField(item, "Top", ctx, here, -place, place);
        int width = intField(item, "Width", ctx, here, 0, side);
        int height = intField(item, "Height", ctx, here, 0, side);
        if (!sizeFits(width, height)) ctx.fail(sizeProblem(width, height));
        PropertyBag bag;
        if (item.contains("Properties")) {
            const json& props = item["Properties"];
            if (!props.is_object()) ctx.fail("\"Properties\" must be an object, not " + kindOf(props), ctx.lineOf(here + "/Properties"));
            bool allRead = true;
            for (auto it = props.begin(); it != props.end(); ++it) allRead &= ctx.attempt([&] {
                const std::string keyAt = here + "/Properties/" + it.key();
                const MemberInfo* m = info->propertyReadFrom(it.key());
                if (info->describesKeys() && !m) ctx.fail("unknown property \"" + it.key() + "\" for class " + cls, ctx.lineOf(keyAt));
                if (m) {
                    std::string expected = expectedFor(*m, it.value());
                    if (!expected.empty())
                        ctx.fail("property \"" + it.key() + "\" takes " + expected + ", not " + kindOf(it.value()), ctx.lineOf(keyAt));
                }
                const bool number = m && (m->type == VarType::Single || m->type == VarType::Double);
                if (std::optional<double> d = number ? NonFiniteFromJson(it.value()) : std::nullopt)
                    bag.WriteProperty(it.key(), Variant(*d));
                else
                    bag.WriteProperty(it.key(), valueFromJson(it.value(), ctx, it.key(), keyAt));
            });
            // A check goes on with the next control: this one cannot be built without them.
            if (!allRead) return;
        }
        Control* c = nullptr;
        try {
            c = &form.place(cls, ctx.control, left, top, width, height, container, &bag);
        } catch (const RuntimeError& e) {
            // The property whose value the control could not take is the last one it read.
            const std::string key = bag.lastRead();
            ctx.fail((key.empty() ? std::string("a property") : "property \"" + key + "\"") +
                         " has a value of the wrong type or range (error " + std::to_string(e.number) + ": " + e.what() + ")",
                     key.empty() ? -1 : ctx.lineOf(here + "/Properties/" + key));
        } catch (const std::invalid_argument& e) {
            ctx.fail(e.what());
        }
        std::vector<std::string> unread = bag.unreadKeys();
        if (!unread.empty())
            ctx.fail("unknown property \"" + unread.front() + "\" for class " + cls, ctx.lineOf(here + "/Properties/" + unread.front()));
        std::string name = ctx.control;
        if (item.contains("Controls")) {
            if (!info->container) ctx.fail("class " + cls + " cannot contain controls", ctx.lineOf(here + "/Controls"));
            loadControls(form, item["Controls"], c, ctx, here + "/Controls");
        }
        ctx.control = name;
        ctx.controlPath = here;
    }
}

int lineOfOffset(const std::string& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

}  // namespace

namespace {

std::unique_ptr<Form> readForm(const std::string& text, const std::string& path, bool userMode, Form::EventHandler onEvent,
                               std::vector<std::string>* problems) {
    LoadContext ctx;
    ctx.path = path;
    ctx.problems = problems;
    json doc;
    try {
        doc = json::parse(text);
    } catch (const json::parse_error& e) {
        std::string what = e.what();
        auto colon = what.find("syntax error");
        ctx.fail(colon != std::string::npos ? what.substr(colon) : what, lineOfOffset(text, e.byte > 0 ? e.byte - 1 : 0));
    } catch (const json::out_of_range& e) {
        // A number too large for a double: the parser names the number but not where it
        // is, so the line is the first place that text appears.
        std::string what = e.what();
        std::size_t open = what.find('\''), close = what.rfind('\'');
        std::string number = open != std::string::npos && close > open ? what.substr(open + 1, close - open - 1) : "";
        std::size_t at = number.empty() ? std::string::npos : text.find(number);
        ctx.fail("the number " + number + " is too large", at == std::string::npos ? 1 : lineOfOffset(text, at));
    }
    ctx.where = ScanJsonKeyLines(text);
    // Keys are compared without regard to letter case, so one object cannot hold two that
    // differ only in case: neither would be sure to win.
    if (const auto& d = ctx.where.duplicate)
        ctx.fail("\"" + d->second + "\" repeats the key \"" + d->first + "\" of line " + std::to_string(d->firstLine) +
                     " (keys are compared without regard to letter case)",
                 d->secondLine);
    if (!doc.is_object()) ctx.fail("a form file holds one object", 1);
    for (auto it = doc.begin(); it != doc.end(); ++it)
        if (it.key() != "Form" && it.key() != "Controls" && it.key() != "Load")
            ctx.fail("unknown key \"" + it.key() + "\"", ctx.lineOf("/" + it.key()));
    if (!doc.contains("Form") || !doc["Form"].is_object()) ctx.fail("missing \"Form\" object", ctx.lineOf("/Form"));
    const json& f = doc["Form"];
    int width = intField(f, "Width", ctx, "/Form", 1, static_cast<int>(kMaxSide));
    int height = intField(f, "Height", ctx, "/Form", 1, static_cast<int>(kMaxSide));
    if (!sizeFits(width, height)) ctx.fail("the form's size " + sizeProblem(width, height), ctx.lineOf("/Form"));
    auto form = std::make_unique<Form>(width, height);
    form->setUserMode(userMode);
    form->setEventHandler(std::move(onEvent));
    for (auto it = f.begin(); it != f.end(); ++it) ctx.attempt([&] {
        const std::string& k = it.key();
        const std::string at = "/Form/" + k;
        if (k == "Width" || k == "Height") return;
        if (k == "BackColor" || k == "ForeColor") {
            if (!it.value().is_number_integer())
                ctx.fail("\"" + k + "\" takes a whole number (OLE_COLOR), not " + kindOf(it.value()), ctx.lineOf(at));
            OLE_COLOR c = valueFromJson(it.value(), ctx, k, at).toColor();
            k == "BackColor" ? form->setBackColor(c) : form->setForeColor(c);
        } else if (k == "Font") {
            if (!it.value().is_object()) ctx.fail("\"Font\" takes a font object, not " + kindOf(it.value()), ctx.lineOf(at));
            form->setFont(fontFromJson(it.value(), ctx, k, at));
        } else {
            ctx.fail("unknown form key \"" + k + "\"", ctx.lineOf(at));
        }
    });
    form->beginLoad();
    if (doc.contains("Controls")) loadControls(*form, doc["Controls"], nullptr, ctx, "/Controls");
    form->endLoad();
    if (doc.contains("Load")) ctx.attempt([&] {
        const json& load = doc["Load"];
        std::vector<std::string> lines;
        if (!load.is_array()) ctx.fail("\"Load\" must be a list of script lines", ctx.lineOf("/Load"));
        for (std::size_t i = 0; i < load.size(); ++i) {
            if (!load[i].is_string()) ctx.fail("\"Load\" must be a list of script lines", ctx.lineOf("/Load/" + std::to_string(i)));
            lines.push_back(load[i].get<std::string>());
        }
        form->setLoadScript(std::move(lines));
    });
    return form;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FormFileError(path + ": cannot open the file");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

std::unique_ptr<Form> loadFormFromText(const std::string& text, const std::string& path, bool userMode,
                                       Form::EventHandler onEvent) {
    return readForm(text, path, userMode, std::move(onEvent), nullptr);
}

std::unique_ptr<Form> loadForm(const std::string& path, bool userMode, Form::EventHandler onEvent) {
    return loadFormFromText(readFile(path), path, userMode, std::move(onEvent));
}

std::vector<std::string> checkFormFile(const std::string& path) {
    std::vector<std::string> problems;
    try {
        // At design time: nothing runs, so checking a form raises no events.
        readForm(readFile(path), path, false, nullptr, &problems);
    } catch (const FormFileError& e) {
        problems.push_back(e.what());
    }
    return problems;
}

// ---- Saving ------------------------------------------------------------------------------------------

namespace {

json controlsToJson(Form& form, const Control* container, const std::string& path) {
    json list = json::array();
    for (const auto& cp : form.controls()) {
        Control& c = *cp;
        if (c.container() != container) continue;
        platform::RECT b = form.boundsOf(c);
        json j;
        j["Class"] = c.classInfo().name;
        j["Name"] = c.name();
        j["Left"] = b.left;
        j["Top"] = b.top;
        j["Width"] = b.right - b.left;
        j["Height"] = b.bottom - b.top;
        PropertyBag bag;
        c.WriteProperties(bag);
        json props = json::object();
        for (const auto& [k, v] : bag.entries()) props[k] = valueToJson(v, path);
        j["Properties"] = props;
        if (c.classInfo().container) {
            json kids = controlsToJson(form, &c, path);
            if (!kids.empty()) j["Controls"] = kids;
        }
        list.push_back(j);
    }
    return list;
}

}  // namespace

std::string formToText(Form& form, const std::string& path) {
    json doc;
    json f;
    f["Width"] = form.width();
    f["Height"] = form.height();
    if (form.backColor() != 0x8000000F) f["BackColor"] = static_cast<std::int32_t>(form.backColor());
    if (form.foreColor() != 0x80000012) f["ForeColor"] = static_cast<std::int32_t>(form.foreColor());
    if (!(*form.font() == StdFont())) f["Font"] = fontToJson(*form.font());
    doc["Form"] = f;
    doc["Controls"] = controlsToJson(form, nullptr, path);
    if (!form.loadScript().empty()) doc["Load"] = form.loadScript();
    // Form files are UTF-8: a string holding bytes that are not (set from a script or a
    // program) is saved with U+FFFD in their place rather than refused.
    return doc.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

void saveForm(Form& form, const std::string& path) {
    std::string text = formToText(form, path);
    std::error_code ec;
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent, ec);
    std::ofstream out(path, std::ios::binary);
    if (!out) throw FormFileError(path + ": cannot write the file");
    out << text;
    if (!out) throw FormFileError(path + ": cannot write the file");
}

}  // namespace ulmaro
