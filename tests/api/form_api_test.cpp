// The public form interface as a program uses it: what reaches the caller as values, events
// and errors.
#include <ulmaro/ulmaro.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using ulmaro::api::Error;
using ulmaro::api::Form;
using ulmaro::api::Value;

TEST(FormApi, ScriptLinesPrintAndBadLinesNameTheirLine) {
    Form form(200, 100);
    EXPECT_EQ(form.run("new ZynCommand Go 10 10 80 24\nmove 20 20\ndown 1 20 20\nup 1 20 20\nget Go.Caption\n"),
              "Go.Click\nGo.Caption = \"Go\"\n");
    // Events outside run() reach only the handler; the next run() does not repeat them.
    form.click(20, 20);
    EXPECT_EQ(form.run("get Go.Value"), "Go.Value = False\n");
    try {
        form.run("get Go.Value\nfly Go\n");
        FAIL() << "a bad line must throw";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "script:2: unknown command fly");
        EXPECT_EQ(e.number(), 0);
    }
}

TEST(FormApi, HandlersSeeEventsAndAnswerByReferenceInTheParameterType) {
    Form form(200, 100);
    form.place("ZynCheckBox", "Check1", 10, 10, 100, 17);
    std::vector<std::string> seen;
    form.onEvent([&](ulmaro::api::Event& e) {
        seen.push_back(e.name);
        if (e.name == "Changed") {
            EXPECT_EQ(e.args[0].type(), Value::Type::Long);
            e.args[1] = Value(1);  // a Long answered to a Boolean Cancel: converted, so True
        }
    });
    form.click(15, 18);
    EXPECT_EQ(form.get("Check1", "Value").toLong(), 0);  // the change was refused
    EXPECT_NE(std::find(seen.begin(), seen.end(), "Click"), seen.end());
}

TEST(FormApi, DesignModeKeepsInputAndMistakesThrow) {
    Form design(200, 100, true);
    design.place("ZynCommand", "Go", 10, 10, 80, 24);
    int events = 0;
    design.onEvent([&](ulmaro::api::Event&) { ++events; });
    design.click(20, 20);
    EXPECT_EQ(events, 0);
    EXPECT_THROW(design.place("NoSuchClass", "X", 0, 0, 10, 10), Error);
    EXPECT_THROW(design.place("ZynCommand", "1st", 0, 0, 10, 10), Error);
    EXPECT_THROW(design.get("Go", "Font.Colour"), Error);
    EXPECT_THROW(design.keyDown(256), Error);
    EXPECT_THROW(design.set("Go", "Picture", "no/such/picture.bmp"), Error);
    EXPECT_EQ(design.get("Go", "Font.Name").toString(), "MS Sans Serif");
    EXPECT_EQ(design.get("Go", "Font").type(), Value::Type::Object);

    const std::string path = ULMARO_BINARY_DIR "/form_api_broken.json";
    std::ofstream(path) << "{\n  \"Form\": {\"Width\": 10, \"Height\": 10},\n  \"Controls\": [{\"Class\": \"Nope\", \"Name\": \"A\"}]\n}\n";
    try {
        Form::load(path);
        FAIL() << "a broken form must throw";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("form_api_broken.json:3"), std::string::npos) << e.what();
    }
}
