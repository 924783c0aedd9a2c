#include "script.h"

#include "form_picture.h"
#include "value_text.h"

#include "framework/ansi_text.h"
#include "framework/font_attribute.h"
#include "framework/form_file.h"
#include "framework/std_font.h"
#include "framework/std_picture.h"

#include <cctype>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>

namespace ulmaro::app {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

[[noreturn]] void bad(const std::string& message) { throw ScriptError(message); }

// A command word as a message shows it: commands are ASCII words, so every other byte
// (control bytes, binary junk, letters past ASCII) shows escaped as \xNN.
std::string printable(const std::string& s) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

void need(bool ok, const std::string& message) {
    if (!ok) bad(message);
}

// A value converted to a parameter type, as the language converts on assignment.
Variant coerce(const Variant& v, VarType type) {
    switch (type) {
        case VarType::Boolean: return Variant(v.toBool());
        case VarType::Integer: return Variant(v.toInt16());
        case VarType::Long: return Variant(v.toInt32());
        case VarType::Single: return Variant(v.toFloat());
        case VarType::Double: return Variant(v.toDouble());
        case VarType::String: return Variant(v.toString());
        default: return v;
    }
}

}  // namespace

ScriptRunner::ScriptRunner(std::unique_ptr<Form>& form, std::ostream& out)
    : form_(form), out_(out) {
    if (form_) form_->setEventHandler(eventHandler());
}

ScriptRunner::~ScriptRunner() {
    if (form_) form_->setEventHandler(nullptr);
}

Form::EventHandler ScriptRunner::eventHandler() {
    return [this](Control& c, const EventInfo& e, std::vector<Variant>& args) { onEvent(c, e, args); };
}

void ScriptRunner::onEvent(Control& c, const EventInfo& e, std::vector<Variant>& args) {
    auto it = handlers_.find(lower(c.name() + "." + e.name));
    if (it != handlers_.end())
        for (const Assignment& a : it->second)
            if (a.arg < args.size()) args[a.arg] = a.value;
    out_ << c.name() << "." << e.name;
    for (const Variant& a : args) out_ << " " << formatValue(a);
    out_ << "\n";
}

Control& ScriptRunner::control(const std::string& name) const {
    Control* c = form_->find(name);
    need(c != nullptr, "no control named " + name);
    return *c;
}

std::vector<std::string> ScriptRunner::reference(const std::string& token, std::size_t minParts, std::size_t maxParts) const {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t dot = token.find('.', start);
        parts.push_back(token.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    need(parts.size() >= minParts && parts.size() <= maxParts, "expected NAME.MEMBER, got " + token);
    for (const std::string& p : parts) need(!p.empty(), "expected NAME.MEMBER, got " + token);
    return parts;
}

Variant ScriptRunner::value(const std::string& token) const {
    std::optional<Variant> v = parseValue(token);
    need(v.has_value(), "not a value: " + token);
    return *v;
}

// A method argument: a value, or another object's property named NAME.PROPERTY
// (Command1.hwnd), read when the call is made.
Variant ScriptRunner::argument(const std::string& token) const {
    if (std::optional<Variant> v = parseValue(token)) return *v;
    if (token.find('.') != std::string::npos && token.front() != '"') {
        auto ref = reference(token, 2, 2);
        return control(ref[0]).getProperty(ref[1]);
    }
    return value(token);
}

int ScriptRunner::number(const std::string& token, int min, int max) const {
    Variant v = value(token);
    need(v.type() == VarType::Integer || v.type() == VarType::Long, "not a whole number: " + token);
    int n = v.toInt32();
    need(n >= min && n <= max, token + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
    return n;
}

void ScriptRunner::runLine(const std::string& line) {
    std::vector<std::string> t;
    std::string error;
    need(tokenize(line, t, error), error);
    if (t.empty()) return;
    try {
        command(t, line);
    } catch (const RuntimeError& e) {
        out_ << "error " << e.number << ": " << e.what() << "\n";
    }
    out_.flush();
}

int ScriptRunner::run(std::istream& in, const std::string& name, std::ostream& err) {
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        try {
            runLine(line);
        } catch (const ScriptError& e) {
            out_.flush();
            err << name << ":" << n << ": " << e.what() << "\n";
            return 2;
        }
    }
    return 0;
}

int ScriptRunner::runFormLoad(const std::string& formPath, std::ostream& err) {
    if (!form_) return 0;
    std::string text;
    for (const std::string& line : form_->loadScript()) text += line + "\n";
    std::istringstream in(text);
    const int status = run(in, formPath + " (Load)", err);
    // Loaded, the form shows: its first control in tab order takes the focus.
    if (status == 0) form_->focusFirstControl();
    return status;
}

// ---- Commands ----------------------------------------------------------------------------------------
// One handler per command word; the table below maps the words to them.

namespace {

// Pointer coordinates may lie far off the form (a drag outside it), within reason.
constexpr int kCoord = 1 << 20;

}  // namespace

void ScriptRunner::arguments(const Line& l, std::size_t min, std::size_t max) const {
    need(l.t.size() - 1 >= min && l.t.size() - 1 <= max, "wrong number of arguments for " + l.t[0]);
}

void ScriptRunner::newControl(const Line& l) {
    const auto& t = l.t;
    if (t.size() == 3) {
        // An object of a class that is not placed on forms (a tooltip) takes no geometry.
        const ClassInfo* cls = TypeLibrary::instance().findClass(t[1]);
        need(cls != nullptr, "no class named " + t[1]);
        need(!cls->placeable, "usage: new CLASS NAME LEFT TOP WIDTH HEIGHT [in CONTAINER]");
        need(isControlName(t[2]), controlNameRule(printable(t[2])));
        need(!form_->find(t[2]), "a control named " + t[2] + " exists already");
        form_->create(cls->name, t[2]);
        return;
    }
    need(t.size() == 7 || t.size() == 9, "usage: new CLASS NAME LEFT TOP WIDTH HEIGHT [in CONTAINER]");
    const ClassInfo* cls = TypeLibrary::instance().findClass(t[1]);
    need(!cls || cls->placeable, t[1] + " takes no place: new " + t[1] + " NAME");
    need(cls && cls->placeable, "no placeable class named " + t[1]);
    need(isControlName(t[2]), controlNameRule(printable(t[2])));
    Control* container = nullptr;
    if (t.size() == 9) {
        need(lower(t[7]) == "in", "expected: in CONTAINER");
        container = &control(t[8]);
    }
    const int place = static_cast<int>(kMaxPosition);
    const int left = number(t[3], -place, place), top = number(t[4], -place, place);
    const int width = number(t[5], 0, static_cast<int>(kMaxSide)), height = number(t[6], 0, static_cast<int>(kMaxSide));
    need(sizeFits(width, height), sizeProblem(width, height));
    // The form checks that the name is free and the container can hold controls.
    try {
        form_->place(cls->name, t[2], left, top, width, height, container);
    } catch (const std::invalid_argument& e) {
        bad(e.what());
    }
}

void ScriptRunner::move(const Line& l) {
    arguments(l, 2, 2);
    form_->mouseMove(number(l.t[1], -kCoord, kCoord), number(l.t[2], -kCoord, kCoord));
}

void ScriptRunner::button(const Line& l) {
    arguments(l, 3, 3);
    // 1 left, 2 right, 4 middle; a sum presses several at once.
    int button = number(l.t[1], 1, 7);
    int x = number(l.t[2], -kCoord, kCoord), y = number(l.t[3], -kCoord, kCoord);
    l.cmd == "down" ? form_->mouseDown(button, x, y) : form_->mouseUp(button, x, y);
}

void ScriptRunner::doubleClick(const Line& l) {
    arguments(l, 2, 2);
    form_->doubleClick(number(l.t[1], -kCoord, kCoord), number(l.t[2], -kCoord, kCoord));
}

void ScriptRunner::shift(const Line& l) {
    arguments(l, 1, 1);
    form_->setShift(number(l.t[1], 0, 7));
}

void ScriptRunner::key(const Line& l) {
    arguments(l, 1, 1);
    int code = number(l.t[1], 0, 255);
    l.cmd == "keydown" ? form_->keyDown(code) : form_->keyUp(code);
}

void ScriptRunner::type(const Line& l) {
    const auto& t = l.t;
    need(t.size() >= 2, "usage: type TEXT");
    std::string text;
    if (t.size() == 2 && t[1].size() >= 2 && t[1].front() == '"') {
        text = value(t[1]).toString();
    } else {
        // Unquoted: the rest of the line as written.
        std::size_t at = l.raw.find(t[0]) + t[0].size();
        while (at < l.raw.size() && (l.raw[at] == ' ' || l.raw[at] == '\t')) ++at;
        text = l.raw.substr(at);
        while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
        text = AnsiFromUtf8(text);
    }
    for (char ch : text) form_->keyPress(static_cast<unsigned char>(ch));
}

void ScriptRunner::accessKey(const Line& l) {
    arguments(l, 1, 1);
    std::string k = AnsiFromUtf8(unquote(l.t[1]));
    need(k.size() == 1, "accesskey takes one character");
    form_->accessKey(k[0]);
}

void ScriptRunner::focus(const Line& l) {
    arguments(l, 1, 1);
    form_->setFocus(&control(l.t[1]));
}

void ScriptRunner::tick(const Line& l) {
    arguments(l, 1, 1);
    form_->tick(number(l.t[1], 0, 1 << 30));
}

const EventInfo& ScriptRunner::event(const std::string& token, Control*& c) const {
    auto ref = reference(token, 2, 2);
    c = &control(ref[0]);
    const EventInfo* e = c->classInfo().event(ref[1]);
    need(e != nullptr, c->classInfo().name + " has no event " + ref[1]);
    return *e;
}

void ScriptRunner::on(const Line& l) {
    const auto& t = l.t;
    need(t.size() >= 2, "usage: on NAME.EVENT ARG=VALUE ...");
    Control* c = nullptr;
    const EventInfo& e = event(t[1], c);
    std::vector<Assignment> as;
    for (std::size_t i = 2; i < t.size(); ++i) {
        std::size_t eq = t[i].find('=');
        need(eq != std::string::npos && eq > 0, "expected ARG=VALUE, got " + t[i]);
        std::string arg = t[i].substr(0, eq);
        std::size_t index = e.params.size();
        for (std::size_t p = 0; p < e.params.size(); ++p)
            if (sameName(e.params[p].name, arg)) index = p;
        need(index < e.params.size(), e.name + " has no argument " + arg);
        need(e.params[index].byRef, arg + " of " + e.name + " is not passed by reference");
        // The value must suit the argument's type: a handler cannot assign "two" to a Button.
        Variant v = value(t[i].substr(eq + 1));
        try {
            v = coerce(v, e.params[index].type);
        } catch (const RuntimeError&) {
            bad(arg + " of " + e.name + " takes a value of type " + varTypeName(e.params[index].type));
        }
        as.push_back(Assignment{index, v});
    }
    handlers_[lower(c->name() + "." + e.name)] = std::move(as);
}

void ScriptRunner::off(const Line& l) {
    arguments(l, 1, 1);
    Control* c = nullptr;
    const EventInfo& e = event(l.t[1], c);
    handlers_.erase(lower(c->name() + "." + e.name));
}

void ScriptRunner::property(const Line& l) {
    const auto& t = l.t;
    const std::string& cmd = l.cmd;
    need(t.size() >= (cmd == "set" ? 3u : 2u), "usage: " + cmd + " NAME.PROPERTY [INDEX...]" + (cmd == "set" ? " VALUE" : ""));
    auto ref = reference(t[1], 2, 3);
    Control& c = control(ref[0]);
    const MemberInfo* m = c.classInfo().member(ref[1]);
    // Properties the host adds to every control (Visible, Enabled, Left, Top; TabStop to those
    // that take the focus).
    if (!m && ref.size() == 2) {
        static const char* extender[] = {"Visible", "Enabled", "Left", "Top", "TabStop", "hWnd"};
        for (const char* e : extender) {
            if (!sameName(ref[1], e)) continue;
            if (cmd == "get") {
                need(t.size() == 2, "usage: get NAME.PROPERTY");
                // Read before printing: a read that raises prints only its error line.
                const std::string shown = formatValue(c.getProperty(e));
                out_ << c.name() << "." << e << " = " << shown << "\n";
            } else {
                need(t.size() == 3, "usage: set NAME.PROPERTY VALUE");
                c.setProperty(e, value(t[2]));
            }
            return;
        }
    }
    need(m && m->kind == MemberInfo::Kind::Property, c.classInfo().name + " has no property " + ref[1]);
    std::size_t last = cmd == "set" ? t.size() - 1 : t.size();
    std::vector<Variant> index;
    for (std::size_t i = 2; i < last; ++i) index.push_back(value(t[i]));
    need(index.size() <= m->params.size(), "too many index arguments for " + m->name);
    if (ref.size() == 3) {
        need(m->type == VarType::Font, m->name + " is not a font");
        auto font = c.getProperty(m->name, index).toFont();
        need(font != nullptr, m->name + " is Nothing");
        if (cmd == "get") {
            std::optional<Variant> v = fontAttribute(*font, ref[2]);
            need(v.has_value(), "a font has no member " + ref[2]);
            out_ << c.name() << "." << m->name << "." << ref[2] << " = " << formatValue(*v) << "\n";
            return;
        }
        auto changed = font->Clone();
        need(setFontAttribute(*changed, ref[2], value(t.back())), "a font has no member " + ref[2]);
        need(m->let != nullptr, m->name + " is read-only");
        c.setProperty(m->name, Variant(changed), index);
        return;
    }
    if (cmd == "get") {
        const std::string shown = formatValue(c.getProperty(m->name, index));
        out_ << c.name() << "." << m->name << " = " << shown << "\n";
        return;
    }
    need(m->let != nullptr, m->name + " is read-only");
    Variant v = value(t.back());
    if (m->type == VarType::Picture && v.type() == VarType::String) {
        const std::string path = unquote(t.back());
        try {
            v = Variant(path.empty() ? StdPicturePtr() : StdPicture::Load(path));
        } catch (const PictureLoadError& e) {
            bad(e.what());
        }
    }
    need(m->type != VarType::Font || v.isObject(), m->name + " takes a font: set " + t[1] + ".Name VALUE and the like");
    c.setProperty(m->name, v, index);
}

void ScriptRunner::call(const Line& l) {
    const auto& t = l.t;
    need(t.size() >= 2, "usage: call NAME.METHOD ARGS...");
    auto ref = reference(t[1], 2, 2);
    Control& c = control(ref[0]);
    const MemberInfo* m = c.classInfo().member(ref[1]);
    need(m && m->kind == MemberInfo::Kind::Method, c.classInfo().name + " has no method " + ref[1]);
    std::vector<Variant> a;
    for (std::size_t i = 2; i < t.size(); ++i) a.push_back(argument(t[i]));
    std::size_t required = 0;
    for (const ParamInfo& p : m->params) required += p.optional ? 0 : 1;
    need(a.size() >= required && a.size() <= m->params.size(), "wrong number of arguments for " + m->name);
    Variant result = c.callMethod(m->name, a);
    if (m->type != VarType::Empty) out_ << c.name() << "." << m->name << " = " << formatValue(result) << "\n";
}

void ScriptRunner::resize(const Line& l) {
    arguments(l, 3, 3);
    Control& c = control(l.t[1]);
    const int width = number(l.t[2], 0, static_cast<int>(kMaxSide)), height = number(l.t[3], 0, static_cast<int>(kMaxSide));
    need(sizeFits(width, height), sizeProblem(width, height));
    form_->resize(c, width, height);
    c.Paint();
}

void ScriptRunner::save(const Line& l) {
    arguments(l, 1, 1);
    try {
        saveForm(*form_, unquote(l.t[1]));
    } catch (const FormFileError& e) {
        bad(e.what());
    }
}

void ScriptRunner::render(const Line& l) {
    arguments(l, 1, 1);
    std::string error;
    need(writeFormPicture(*form_, unquote(l.t[1]), &error), error);
}

void ScriptRunner::command(const std::vector<std::string>& t, const std::string& rawLine) {
    using Handler = void (ScriptRunner::*)(const Line&);
    static const std::map<std::string, Handler> commands = {
        {"new", &ScriptRunner::newControl}, {"move", &ScriptRunner::move},
        {"down", &ScriptRunner::button},    {"up", &ScriptRunner::button},
        {"dblclick", &ScriptRunner::doubleClick}, {"shift", &ScriptRunner::shift},
        {"keydown", &ScriptRunner::key},    {"keyup", &ScriptRunner::key},
        {"type", &ScriptRunner::type},      {"accesskey", &ScriptRunner::accessKey},
        {"focus", &ScriptRunner::focus},    {"tick", &ScriptRunner::tick},
        {"on", &ScriptRunner::on},          {"off", &ScriptRunner::off},
        {"set", &ScriptRunner::property},   {"get", &ScriptRunner::property},
        {"call", &ScriptRunner::call},      {"resize", &ScriptRunner::resize},
        {"save", &ScriptRunner::save},      {"render", &ScriptRunner::render},
    };
    const Line line{t, rawLine, lower(t[0])};
    auto it = commands.find(line.cmd);
    if (it == commands.end()) bad("unknown command " + printable(t[0]));
    (this->*(it->second))(line);
}

}  // namespace ulmaro::app
