#include "cli.h"

#include "form_picture.h"
#include "live_window.h"
#include "picture_diff.h"
#include "script.h"
#include "typelib_text.h"

#include "framework/form_file.h"

#include <ulmaro/platform/png.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace ulmaro::app {

namespace {

const char* kUsage =
    "usage:\n"
    "  ulmaro render [FORM] [-o OUT.png] [--expect REF.png] [--script FILE] [--design]\n"
    "  ulmaro run [FORM] [--screenshot OUT.png] [--quit-after MS]\n"
    "  ulmaro check FORM...\n"
    "  ulmaro typelib [--json]\n";

int usage(const std::string& problem) {
    std::cerr << "ulmaro: " << problem << "\n" << kUsage;
    return 2;
}

// Every problem of every form file, one a line; 0 when all are clean.
int check(const std::vector<std::string>& forms) {
    if (forms.empty()) return usage("check takes one or more form files");
    bool clean = true;
    for (const std::string& path : forms) {
        const std::vector<std::string> problems = checkFormFile(path);
        for (const std::string& p : problems) std::cout << p << "\n";
        if (problems.empty()) std::cout << path << ": no problems\n";
        clean = clean && problems.empty();
    }
    return clean ? 0 : 2;
}

struct Options {
    std::string form, out, script, screenshot, expect;
    bool design = false;
    long quitAfter = -1;
};

bool parseOptions(const std::vector<std::string>& a, Options& o, std::string& problem) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto value = [&](std::string& into) {
            if (i + 1 >= a.size()) {
                problem = a[i] + " needs a value";
                return false;
            }
            into = a[++i];
            return true;
        };
        if (a[i] == "-o" || a[i] == "--output") {
            if (!value(o.out)) return false;
        } else if (a[i] == "--expect") {
            if (!value(o.expect)) return false;
        } else if (a[i] == "--script") {
            if (!value(o.script)) return false;
        } else if (a[i] == "--screenshot") {
            if (!value(o.screenshot)) return false;
        } else if (a[i] == "--quit-after") {
            std::string v;
            if (!value(v)) return false;
            std::size_t used = 0;
            try {
                o.quitAfter = std::stol(v, &used);
            } catch (...) {
                used = 0;
            }
            if (used == 0 || used != v.size() || o.quitAfter < 0) {
                problem = "--quit-after takes a number of milliseconds, 0 or more (got " + v + ")";
                return false;
            }
        } else if (a[i] == "--design") {
            o.design = true;
        } else if (!a[i].empty() && a[i][0] == '-') {
            problem = "unknown option " + a[i];
            return false;
        } else if (o.form.empty()) {
            o.form = a[i];
        } else {
            problem = "more than one form given";
            return false;
        }
    }
    return true;
}

// --expect: the rendered form against a reference picture. On a difference the marked
// picture goes beside the output (OUT.diff.png) and the status is 1.
int compareWithReference(const Form& form, const Options& o) {
    platform::Image expected, actual;
    std::string error;
    if (!platform::ReadPng(o.expect, expected, &error)) {
        std::cerr << "ulmaro: " << error << "\n";
        return 2;
    }
    std::vector<platform::COLORREF> px = form.compose();
    actual.width = form.width();
    actual.height = form.height();
    actual.px = std::move(px);
    PictureDifference d = comparePictures(expected, actual);
    std::string message = describeDifference(d, expected, actual, o.expect);
    if (message.empty()) return 0;
    std::cout << message << "\n";
    if (d.sameSize && !o.out.empty()) {
        std::string out = o.out;
        if (out.size() > 4 && out.compare(out.size() - 4, 4, ".png") == 0) out.resize(out.size() - 4);
        if (!platform::WritePng(out + ".diff.png", d.marked.view(), &error)) std::cerr << "ulmaro: " << error << "\n";
    }
    return 1;
}

int render(const Options& o) {
    std::unique_ptr<Form> form;
    ScriptRunner runner(form, std::cout);
    try {
        if (o.form.empty()) {
            form = std::make_unique<Form>(640, 480);
            form->setUserMode(!o.design);
            form->setEventHandler(runner.eventHandler());
        } else {
            form = loadForm(o.form, !o.design, runner.eventHandler());
        }
    } catch (const FormFileError& e) {
        std::cout.flush();
        std::cerr << "ulmaro: " << e.what() << "\n";
        return 2;
    }
    int status = o.form.empty() ? 0 : runner.runFormLoad(o.form, std::cerr);
    if (status == 0 && !o.script.empty()) {
        std::ifstream in(o.script);
        if (!in) {
            std::cerr << "ulmaro: cannot open script " << o.script << "\n";
            return 2;
        }
        status = runner.run(in, o.script, std::cerr);
    }
    if (status == 0 && !o.out.empty()) {
        std::string error;
        if (!writeFormPicture(*form, o.out, &error)) {
            std::cerr << "ulmaro: " << error << "\n";
            return 1;
        }
    }
    if (status == 0 && !o.expect.empty()) status = compareWithReference(*form, o);
    std::cout.flush();
    return status;
}

}  // namespace

int runCommandLine(int argc, char** argv) {
    registerLibraryClasses();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage("no command given");
    std::string cmd = args[0];
    args.erase(args.begin());
    Options o;
    std::string problem;
    if (cmd == "typelib") {
        if (args.size() == 1 && args[0] == "--json") {
            printTypeLibraryJson(std::cout);
            return 0;
        }
        if (!args.empty()) return usage("typelib takes no arguments but --json");
        printTypeLibrary(std::cout);
        return 0;
    }
    if (cmd == "check") return check(args);
    if (!parseOptions(args, o, problem)) return usage(problem);
    if (cmd == "render") return render(o);
    if (cmd == "run") return runLiveWindow(o.form, o.design, o.screenshot, o.quitAfter);
    if (cmd == "--help" || cmd == "help") {
        std::cout << kUsage;
        return 0;
    }
    return usage("unknown command " + cmd);
}

}  // namespace ulmaro::app
