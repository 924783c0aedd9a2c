// `ulmaro run` in a real window on a virtual X server: the window shows what the headless
// renderer draws, and pointer and keys sent through the window system reach the controls.
#include "child_process.h"
#include "virtual_display.h"

#include "app/picture_diff.h"
#include "app/script.h"
#include "framework/form_file.h"

#include <ulmaro/platform/png.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace ulmaro::test {
namespace {

namespace fs = std::filesystem;

const std::string kUlmaro = ULMARO_BINARY_DIR "/ulmaro";
const std::string kGallery = ULMARO_SOURCE_DIR "/examples/gallery.json";
// Generous: the sanitizer build starts slowly on a busy machine.
constexpr int kRunTimeoutMs = 60000;

// The environment of the ulmaro command: the display, and under the leak checker the
// suppressions for what system libraries keep until exit.
std::vector<std::string> ulmaroEnv(const std::string& display) {
    std::string lsan = "LSAN_OPTIONS=suppressions=" ULMARO_SOURCE_DIR "/tests/live/lsan.supp";
    if (const char* old = std::getenv("LSAN_OPTIONS"); old && *old) lsan += std::string(":") + old;
    return {display, lsan};
}

std::string outputDir() {
    fs::path dir = fs::path(ULMARO_BINARY_DIR) / "live_test_out";
    fs::create_directories(dir);
    return dir.string();
}

// The form headless after an input script, as `ulmaro render --script` draws it, and the
// events it printed.
struct Headless {
    std::vector<platform::COLORREF> picture;
    std::string events;
};

Headless headless(const std::string& form, const std::string& script) {
    registerLibraryClasses();
    std::unique_ptr<Form> f;
    std::ostringstream events, errors;
    app::ScriptRunner runner(f, events);
    f = loadForm(form, true, runner.eventHandler());
    EXPECT_EQ(runner.runFormLoad(form, errors), 0) << errors.str();
    std::istringstream in(script);
    EXPECT_EQ(runner.run(in, "script", errors), 0) << errors.str();
    Headless h{f->compose(), events.str()};
    f.reset();
    return h;
}

// Compares a screenshot with the expected picture; on a difference writes the expected
// picture and the marked difference beside it.
void expectSamePicture(const std::string& screenshot, const std::vector<platform::COLORREF>& expected, int width,
                       int height) {
    platform::Image shot, want{width, height, expected, {}};
    std::string error;
    ASSERT_TRUE(platform::ReadPng(screenshot, shot, &error)) << error;
    const app::PictureDifference d = app::comparePictures(want, shot);
    const std::string message = app::describeDifference(d, want, shot, "the headless picture");
    if (!message.empty()) {
        const std::string base = screenshot.substr(0, screenshot.size() - 4);
        platform::WritePng(base + ".expected.png", want.view());
        if (d.sameSize) platform::WritePng(base + ".diff.png", d.marked.view());
        ADD_FAILURE() << screenshot << ": " << message;
    }
}

struct LiveWindow : ::testing::Test {
    VirtualDisplay display;
    int formWidth = 0, formHeight = 0;

    void SetUp() override {
        if (!onPath("Xvfb")) GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps installs it)";
        if (!onPath("xdotool")) GTEST_SKIP() << "xdotool is not installed (scripts/install-deps installs it)";
        ASSERT_TRUE(fs::exists(kUlmaro)) << kUlmaro << " was not built";
        std::string why;
        ASSERT_TRUE(display.start(why)) << why;
        registerLibraryClasses();
        auto form = loadForm(kGallery);
        formWidth = form->width();
        formHeight = form->height();
        // The pointer starts in the middle of the screen, where the window will open: move it
        // to a corner so that no button is hovered unasked.
        ASSERT_EQ(xdotool({"mousemove", "0", "0"}), 0);
        std::string where;
        ASSERT_EQ(xdotool({"getmouselocation"}, &where), 0);
        ASSERT_EQ(where.rfind("x:0 y:0 ", 0), 0u) << where;
    }

    std::optional<int> xdotool(std::vector<std::string> args, std::string* out = nullptr) {
        args.insert(args.begin(), "xdotool");
        return runProgram(args, {display.env()}, 20000, out);
    }

    // The centre of a control of the gallery, in window coordinates.
    std::pair<int, int> centreOf(const std::string& name) {
        auto form = loadForm(kGallery);
        Control* c = form->find(name);
        EXPECT_NE(c, nullptr) << name;
        if (!c) return {0, 0};
        platform::RECT r = form->boundsOf(*c);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(LiveWindow, ShowsWhatTheHeadlessRendererDraws) {
    std::string shot = outputDir() + "/gallery-live.png";
    fs::remove(shot);
    std::string out;
    auto status = runProgram({kUlmaro, "run", kGallery, "--screenshot", shot, "--quit-after", "1500"},
                             ulmaroEnv(display.env()), kRunTimeoutMs, &out);
    ASSERT_TRUE(status) << "ulmaro run did not end";
    ASSERT_EQ(*status, 0);
    Headless loaded = headless(kGallery, "");
    EXPECT_EQ(out, loaded.events);  // only what the controls raise while they load
    expectSamePicture(shot, loaded.picture, formWidth, formHeight);
}

TEST_F(LiveWindow, ClicksAndKeysReachTheControls) {
    std::string shot = outputDir() + "/gallery-after-input.png", out = outputDir() + "/gallery-after-input.txt",
                err = outputDir() + "/gallery-after-input.err";
    fs::remove(shot);
    ChildProcess app;
    SpawnOptions options;
    options.env = ulmaroEnv(display.env());
    options.stdoutPath = out;
    options.stderrPath = err;
    ASSERT_TRUE(app.start({kUlmaro, "run", kGallery, "--screenshot", shot, "--quit-after", "5000"}, options));

    std::string window;
    ASSERT_EQ(xdotool({"search", "--sync", "--onlyvisible", "--name", "^Ulmaro - gallery\\.json$"}, &window), 0);
    window = window.substr(0, window.find('\n'));
    auto [x, y] = centreOf("XpPlain");
    // A click on "Push me", Space on it (it has the focus now), then Alt+O for "Colours".
    ASSERT_EQ(xdotool({"mousemove", "--window", window, std::to_string(x), std::to_string(y), "click", "1"}), 0);
    ASSERT_EQ(xdotool({"key", "space"}), 0);
    ASSERT_EQ(xdotool({"key", "alt+o"}), 0);

    auto status = app.wait(kRunTimeoutMs);
    ASSERT_TRUE(status) << "ulmaro run did not end";
    EXPECT_EQ(*status, 0) << readFile(err);
    const std::string loadEvents = headless(kGallery, "").events;
    EXPECT_EQ(readFile(out), loadEvents + "XpPlain.Click\nXpPlain.Click\nXpColours.Click\n")
        << "the input took longer than the run? stderr: " << readFile(err);

    // Left as the same input leaves the form headless: "Push me" hovered and focused.
    std::string script = "move " + std::to_string(x) + " " + std::to_string(y) + "\n" +
                         "down 1 " + std::to_string(x) + " " + std::to_string(y) + "\n" +
                         "up 1 " + std::to_string(x) + " " + std::to_string(y) + "\n" +
                         "keydown 32\nkeyup 32\n"
                         "shift 4\nkeydown 18\naccesskey o\nkeyup 79\nshift 0\nkeyup 18\n"
                         "tick 1000\n";
    expectSamePicture(shot, headless(kGallery, script).picture, formWidth, formHeight);
}

// Without a display, or with one that cannot be reached, the command says so and ends with
// status 3; it does not run the form where nobody can see it.
TEST(LiveWindowWithoutDisplay, SaysSoAndEnds) {
    ASSERT_TRUE(fs::exists(kUlmaro)) << kUlmaro << " was not built";
    for (const char* display : {"DISPLAY", "DISPLAY=:987654"}) {
        SCOPED_TRACE(display);
        ChildProcess app;
        SpawnOptions options;
        options.env = ulmaroEnv(display);
        options.env.insert(options.env.end(), {"WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
        options.stderrPath = outputDir() + "/no-display.err";
        ASSERT_TRUE(app.start({kUlmaro, "run", kGallery}, options));
        auto status = app.wait(kRunTimeoutMs);
        ASSERT_TRUE(status) << "ulmaro run did not end";
        EXPECT_EQ(*status, 3);
        std::string err = readFile(options.stderrPath);
        EXPECT_NE(err.find("no display available"), std::string::npos) << err;
    }
}

}  // namespace
}  // namespace ulmaro::test
