// A form driven through the input-script runner, as a user of the ulmaro command would
// drive it, with access to the composed picture.
#pragma once

#include "app/script.h"
#include "framework/form.h"

#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace ulmaro::test {

struct Harness {
    std::unique_ptr<Form> form;
    std::ostringstream out;
    std::unique_ptr<app::ScriptRunner> runner;

    explicit Harness(int width = 200, int height = 100, bool userMode = true) {
        registerLibraryClasses();
        form = std::make_unique<Form>(width, height);
        form->setUserMode(userMode);
        runner = std::make_unique<app::ScriptRunner>(form, out);
    }
    ~Harness() {
        runner.reset();
        form.reset();
    }

    // Runs script lines; returns what they printed. A bad line fails the test.
    std::string run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        std::ostringstream err;
        int status = runner->run(in, "script", err);
        EXPECT_EQ(status, 0) << err.str();
        return out.str();
    }

    // Runs a script that must stop with a script error; returns the message.
    std::string runBad(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        std::ostringstream err;
        EXPECT_EQ(runner->run(in, "script", err), 2);
        return err.str();
    }

    // A control on the form, as its class.
    template <class C>
    C& control(const std::string& name) {
        return dynamic_cast<C&>(*form->find(name));
    }
    // Runs one "new CLASS NAME LEFT TOP WIDTH HEIGHT" line; returns the control it placed.
    template <class C>
    C& place(const std::string& newLine) {
        run(newLine + "\n");
        std::istringstream words(newLine);
        std::string verb, cls, name;
        words >> verb >> cls >> name;
        return control<C>(name);
    }

    platform::COLORREF pixel(int x, int y) const {
        return form->compose()[static_cast<std::size_t>(y) * static_cast<std::size_t>(form->width()) + static_cast<std::size_t>(x)];
    }
};

}  // namespace ulmaro::test
