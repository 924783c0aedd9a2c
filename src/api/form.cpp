// The public form: the library's Form with an input-script runner beside it, so that a
// program reaches the controls the way form files and scripts do.
#include "value_conversion.h"

#include "app/form_picture.h"
#include "app/script.h"
#include "framework/ansi_text.h"
#include "framework/font_attribute.h"
#include "framework/form_file.h"
#include "framework/std_picture.h"

#include <ulmaro/form.h>
#include <ulmaro/version.h>

#include <sstream>

namespace ulmaro::api {

struct Form::State {
    // The runner prints results and events here; run() hands back what a call printed.
    std::ostringstream out;
    std::unique_ptr<ulmaro::Form> form;
    app::ScriptRunner runner{form, out};
    EventHandler handler;
    bool running = false;

    State() { registerLibraryClasses(); }

    ulmaro::Form::EventHandler eventHandler() {
        return [this, printing = runner.eventHandler()](Control& c, const EventInfo& e, std::vector<Variant>& args) {
            printing(c, e, args);  // answers of `on` lines, and the line run() returns
            if (!running) out.str("");
            if (!handler) return;
            Event event{c.name(), e.name, e.number, {}};
            for (const Variant& a : args) event.args.push_back(fromVariant(a));
            handler(event);
            // The control goes on with what the handler left in its by-reference arguments.
            for (std::size_t i = 0; i < args.size() && i < e.params.size(); ++i)
                if (e.params[i].byRef && event.args[i] != fromVariant(args[i]))
                    args[i] = toVariant(event.args[i], e.params[i].type);
        };
    }

    Control& control(const std::string& name) const {
        Control* c = form->find(name);
        if (!c) throw Error("no control named " + name);
        return *c;
    }
};

namespace {

std::vector<Variant> variants(const std::vector<Value>& values) {
    std::vector<Variant> out;
    for (const Value& v : values) out.push_back(toVariant(v));
    return out;
}

// Runs `f`, turning whatever the library throws for a bad request into Error.
template <class F>
auto checked(F f) {
    try {
        return f();
    } catch (const RuntimeError& e) {
        throw Error(e.what(), e.number);
    } catch (const app::ScriptError& e) {
        throw Error(e.what());
    } catch (const FormFileError& e) {
        throw Error(e.what());
    } catch (const PictureLoadError& e) {
        throw Error(e.what());
    } catch (const std::invalid_argument& e) {
        throw Error(e.what());
    }
}

// Input values a user could give: a key code 0 to 255, buttons and shift states as sums of
// their bits, time that runs forward.
int inRange(int value, int min, int max, const char* what) {
    if (value < min || value > max)
        throw Error(std::string(what) + " " + std::to_string(value) + " is out of range (" + std::to_string(min) + " to " +
                    std::to_string(max) + ")");
    return value;
}

// "Font.Bold" splits into the property and the font attribute.
std::pair<std::string, std::string> splitAttribute(const std::string& property) {
    const std::size_t dot = property.find('.');
    if (dot == std::string::npos) return {property, ""};
    return {property.substr(0, dot), property.substr(dot + 1)};
}

}  // namespace

Form::Form(std::unique_ptr<State> state) : s_(std::move(state)) {}

Form::Form(int width, int height, bool design) : s_(std::make_unique<State>()) {
    s_->form = std::make_unique<ulmaro::Form>(width, height);
    s_->form->setUserMode(!design);
    s_->form->setEventHandler(s_->eventHandler());
}

Form Form::load(const std::string& path, bool design) {
    auto s = std::make_unique<State>();
    checked([&] {
        s->form = loadForm(path, !design, s->eventHandler());
        return 0;
    });
    std::ostringstream err;
    if (s->runner.runFormLoad(path, err) != 0) throw Error(err.str().substr(0, err.str().find_last_not_of('\n') + 1));
    return Form(std::move(s));
}

Form::~Form() = default;
Form::Form(Form&&) noexcept = default;
Form& Form::operator=(Form&&) noexcept = default;

int Form::width() const { return s_->form->width(); }
int Form::height() const { return s_->form->height(); }
void Form::onEvent(EventHandler handler) { s_->handler = std::move(handler); }

void Form::place(const std::string& className, const std::string& name, int left, int top, int width, int height,
                 const std::string& container) {
    checked([&] {
        if (!isControlName(name)) throw Error(controlNameRule(name));
        Control* in = container.empty() ? nullptr : &s_->control(container);
        return &s_->form->place(className, name, left, top, width, height, in);
    });
}

void Form::create(const std::string& className, const std::string& name) {
    checked([&] {
        if (!isControlName(name)) throw Error(controlNameRule(name));
        return &s_->form->create(className, name);
    });
}

std::vector<std::string> Form::controls() const {
    std::vector<std::string> names;
    for (const auto& c : s_->form->controls()) names.push_back(c->name());
    return names;
}

std::string Form::classOf(const std::string& control) const { return s_->control(control).classInfo().name; }

Value Form::get(const std::string& control, const std::string& property, const std::vector<Value>& index) const {
    return checked([&] {
        Control& c = s_->control(control);
        const auto [name, attribute] = splitAttribute(property);
        Variant v = c.getProperty(name, variants(index));
        if (attribute.empty()) return fromVariant(v);
        if (v.type() != VarType::Font || !v.toFont()) throw Error(name + " is not a font");
        std::optional<Variant> a = fontAttribute(*v.toFont(), attribute);
        if (!a) throw Error("a font has no member " + attribute);
        return fromVariant(*a);
    });
}

void Form::set(const std::string& control, const std::string& property, const Value& value,
               const std::vector<Value>& index) {
    checked([&] {
        Control& c = s_->control(control);
        const auto [name, attribute] = splitAttribute(property);
        const MemberInfo* m = c.classInfo().member(name);
        Variant v = toVariant(value);
        if (!attribute.empty()) {
            // A font is changed as a whole: a copy with the attribute changed is assigned.
            Variant font = c.getProperty(name, variants(index));
            if (font.type() != VarType::Font || !font.toFont()) throw Error(name + " is not a font");
            StdFontPtr changed = font.toFont()->Clone();
            if (!setFontAttribute(*changed, attribute, v)) throw Error("a font has no member " + attribute);
            v = Variant(changed);
        } else if (m && m->type == VarType::Picture && value.type() == Value::Type::String) {
            v = Variant(value.toString().empty() ? StdPicturePtr() : StdPicture::Load(value.toString()));
        }
        c.setProperty(name, v, variants(index));
        return 0;
    });
}

Value Form::call(const std::string& control, const std::string& method, const std::vector<Value>& args) {
    return checked([&] {
        Control& c = s_->control(control);
        const MemberInfo* m = c.classInfo().member(method);
        if (!m || m->kind != MemberInfo::Kind::Method) throw Error(c.classInfo().name + " has no method " + method);
        std::vector<Variant> a = variants(args);
        return fromVariant(c.callMethod(m->name, a));
    });
}

void Form::move(int x, int y) { checked([&] { s_->form->mouseMove(x, y); return 0; }); }
void Form::down(int button, int x, int y) {
    checked([&] { s_->form->mouseDown(inRange(button, 1, 7, "button"), x, y); return 0; });
}
void Form::up(int button, int x, int y) {
    checked([&] { s_->form->mouseUp(inRange(button, 1, 7, "button"), x, y); return 0; });
}

void Form::click(int x, int y) {
    move(x, y);
    down(1, x, y);
    up(1, x, y);
}

void Form::doubleClick(int x, int y) { checked([&] { s_->form->doubleClick(x, y); return 0; }); }
void Form::shift(int state) { s_->form->setShift(inRange(state, 0, 7, "shift state")); }
void Form::keyDown(int keyCode) { checked([&] { s_->form->keyDown(inRange(keyCode, 0, 255, "key code")); return 0; }); }
void Form::keyUp(int keyCode) { checked([&] { s_->form->keyUp(inRange(keyCode, 0, 255, "key code")); return 0; }); }

void Form::type(const std::string& text) {
    checked([&] {
        for (char ch : AnsiFromUtf8(text)) s_->form->keyPress(static_cast<unsigned char>(ch));
        return 0;
    });
}

bool Form::accessKey(const std::string& character) {
    const std::string k = AnsiFromUtf8(character);
    if (k.size() != 1) throw Error("an access key is one character");
    return checked([&] { return s_->form->accessKey(k[0]); });
}

void Form::focus(const std::string& control) { checked([&] { s_->form->setFocus(&s_->control(control)); return 0; }); }
void Form::tick(int milliseconds) {
    checked([&] { s_->form->tick(inRange(milliseconds, 0, 1 << 30, "time")); return 0; });
}

std::string Form::run(const std::string& lines) {
    std::istringstream in(lines);
    std::ostringstream err;
    s_->out.str("");
    s_->running = true;
    const int status = s_->runner.run(in, "script", err);
    s_->running = false;
    std::string printed = s_->out.str();
    s_->out.str("");
    if (status != 0) throw Error(err.str().substr(0, err.str().find_last_not_of('\n') + 1));
    return printed;
}

void Form::save(const std::string& path) const { checked([&] { saveForm(*s_->form, path); return 0; }); }

void Form::render(const std::string& pngPath) const {
    std::string error;
    if (!app::writeFormPicture(*s_->form, pngPath, &error)) throw Error(error);
}

std::vector<std::uint32_t> Form::pixels() const {
    std::vector<std::uint32_t> px;
    for (platform::COLORREF c : s_->form->compose())
        px.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    return px;
}

std::string version() { return ULMARO_VERSION_STRING; }

std::vector<std::string> classes(bool placeable) {
    registerLibraryClasses();
    std::vector<std::string> names;
    for (const auto& c : TypeLibrary::instance().classes())
        if (c->placeable == placeable) names.push_back(c->name);
    return names;
}

}  // namespace ulmaro::api
