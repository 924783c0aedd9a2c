// Input scripts: one command a line, driving a form as a user and a program would (pointer,
// keys, timers, property sets, method calls), printing every event raised.
#pragma once

#include "framework/form.h"

#include <iosfwd>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ulmaro::app {

// A line the script runner cannot carry out: an unknown command, class, control, member or
// event, or a value that does not parse.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptRunner {
public:
    // Events and results go to `out`. `form` may still be empty: a form loaded later takes
    // eventHandler() so that events raised while it loads are printed too.
    ScriptRunner(std::unique_ptr<Form>& form, std::ostream& out);
    Form::EventHandler eventHandler();
    ~ScriptRunner();

    // Runs one line. Throws ScriptError for a bad line; a run-time error raised by a control
    // is printed as "error N: MESSAGE" and is not an error of the script.
    void runLine(const std::string& line);
    // Runs a whole script; on a bad line writes "NAME:LINE: message" to `err` and returns 2.
    int run(std::istream& in, const std::string& name, std::ostream& err);
    // Runs the form's load lines (the "Load" list of its file) as it opens, then shows it (the
    // first control in tab order takes the focus); returns as run() does, naming the form in
    // messages.
    int runFormLoad(const std::string& formPath, std::ostream& err);

private:
    struct Assignment {
        std::size_t arg;
        Variant value;
    };
    void onEvent(Control& c, const EventInfo& e, std::vector<Variant>& args);
    Control& control(const std::string& name) const;
    // Splits "NAME.MEMBER" (or "NAME.Font.Bold"); throws for a malformed reference.
    std::vector<std::string> reference(const std::string& token, std::size_t minParts, std::size_t maxParts) const;
    Variant value(const std::string& token) const;
    int number(const std::string& token, int min, int max) const;
    void command(const std::vector<std::string>& t, const std::string& rawLine);

    // A line as its command's handler sees it: the tokens, the line as written and the
    // command word in lower case.
    struct Line {
        const std::vector<std::string>& t;
        const std::string& raw;
        std::string cmd;
    };
    void arguments(const Line& l, std::size_t min, std::size_t max) const;
    const EventInfo& event(const std::string& token, Control*& c) const;
    void newControl(const Line& l);
    void move(const Line& l);
    void button(const Line& l);
    void doubleClick(const Line& l);
    void shift(const Line& l);
    void key(const Line& l);
    void type(const Line& l);
    void accessKey(const Line& l);
    void focus(const Line& l);
    void tick(const Line& l);
    void on(const Line& l);
    void off(const Line& l);
    void property(const Line& l);
    void call(const Line& l);
    void resize(const Line& l);
    void save(const Line& l);
    void render(const Line& l);

    std::unique_ptr<Form>& form_;
    std::ostream& out_;
    std::map<std::string, std::vector<Assignment>> handlers_;  // "control.event" lower case
};

}  // namespace ulmaro::app
