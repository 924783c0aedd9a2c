// Input scripts and their transcripts: tests/<group>/scripts/NAME.script is played line by
// line on a new 640 x 480 form, as `ulmaro render --script` plays it (on NAME.json with its
// "Load" lines first, when that file exists), and the transcript (what loading printed, then
// each line of the script after "> " and what it printed; a line the runner refuses, or a
// form file that does not load, shows its message after "! ", and the script goes on) must
// equal NAME.expected. On a difference the test names the file and line and shows both.
// ULMARO_UPDATE_SNAPSHOTS=1 rewrites the expected transcripts instead: read every one
// before committing it.
#pragma once

#include <algorithm>
#include <fstream>

#include "framework/form_file.h"
#include "snapshot.h"

namespace ulmaro::test {

inline std::vector<std::string> scriptNames(const std::string& group, const char* folder = "scripts") {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(fs::path(ULMARO_SOURCE_DIR) / "tests" / group / folder))
        if (e.path().extension() == ".script") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Plays a script on `h`, loading `form` first when it exists; returns the transcript. A form
// file that does not load shows its message after "! ", named without its folder, and the
// script plays on the new form instead.
inline std::string playScript(Harness& h, const std::filesystem::path& script, const std::filesystem::path& form) {
    std::string transcript;
    if (std::filesystem::exists(form)) {
        try {
            h.form = loadForm(form.string(), true, h.runner->eventHandler());
            std::ostringstream err;
            EXPECT_EQ(h.runner->runFormLoad(form.string(), err), 0) << err.str();
        } catch (const FormFileError& e) {
            std::string message = e.what();
            const std::string folder = form.parent_path().string() + "/";
            for (std::size_t at; (at = message.find(folder)) != std::string::npos;) message.erase(at, folder.size());
            transcript = h.out.str() + "! " + message + "\n";
            h.out.str("");
        }
    }
    transcript += h.out.str();
    std::string line;
    std::ifstream in(script);
    EXPECT_TRUE(in) << "cannot read " << script.string();
    while (std::getline(in, line)) {
        h.out.str("");
        transcript += "> " + line + "\n";
        try {
            h.runner->runLine(line);
        } catch (const app::ScriptError& e) {
            h.out << "! " << e.what() << "\n";
        }
        transcript += h.out.str();
    }
    return transcript;
}

inline std::vector<std::string> transcriptLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline void expectTranscript(const std::string& group, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(ULMARO_SOURCE_DIR) / "tests" / group / "scripts";
    const fs::path expectedPath = dir / (name + ".expected");
    Harness h(640, 480);
    const std::string ours = playScript(h, dir / (name + ".script"), dir / (name + ".json"));
    if (updatingSnapshots()) {
        std::ofstream(expectedPath, std::ios::binary) << ours;
        return;
    }
    std::ifstream in(expectedPath, std::ios::binary);
    ASSERT_TRUE(in) << "no transcript " << expectedPath.string()
                    << "; run the tests with ULMARO_UPDATE_SNAPSHOTS=1 to write it, then read it";
    const std::vector<std::string> want = transcriptLines(std::string(std::istreambuf_iterator<char>(in), {}));
    const std::vector<std::string> got = transcriptLines(ours);
    std::string command = "(start)";
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string w = i < want.size() ? want[i] : "(end)", g = i < got.size() ? got[i] : "(end)";
        if (w != g) {
            ADD_FAILURE() << expectedPath.string() << ":" << i + 1 << ": after `" << command << "`\n  expected: " << w
                          << "\n  got:      " << g;
            return;
        }
        if (w.rfind("> ", 0) == 0) command = w.substr(2);
    }
}

// A state drawn by a script: tests/<group>/pictures/STATE.script played on the form
// pictures/form.json (STATE.json instead when there is one; a 640 x 480 form when neither
// exists); the picture of the form, or of the control named `crop` and `margin` pixels of
// form around it, must equal the reference tests/snapshots/<group>/STATE.png. A line the
// runner refuses fails the test.
inline void expectPictureOfScript(const std::string& group, const std::string& state, const std::string& crop,
                                  int margin) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(ULMARO_SOURCE_DIR) / "tests" / group / "pictures";
    Harness h(640, 480);
    const std::string transcript =
        playScript(h, dir / (state + ".script"),
                   fs::exists(dir / (state + ".json")) ? dir / (state + ".json") : dir / "form.json");
    EXPECT_EQ(transcript.find("\n! "), std::string::npos) << transcript;
    if (crop.empty()) return expectSnapshot(group, state, formPicture(h));
    std::vector<platform::COLORREF> px = h.form->compose();
    const platform::RECT r = h.form->boundsOf(*h.form->find(crop));
    expectSnapshot(
        group, state,
        cropPicture(platform::PixelView{px.data(), h.form->width(), h.form->height(), false}, r.left - margin,
                    r.top - margin, r.right - r.left + 2 * margin, r.bottom - r.top + 2 * margin));
}

}  // namespace ulmaro::test

// Plays every script of a test folder: TRANSCRIPTS(group) once in one of its files.
struct Transcript : ::testing::TestWithParam<std::string> {};
// Draws every state of a test folder: PICTURES(group, crop, margin) once in one of its files.
struct Picture : ::testing::TestWithParam<std::string> {};

#define TRANSCRIPTS(group)                                                                                  \
    TEST_P(Transcript, MatchesItsExpectedTranscript) { ulmaro::test::expectTranscript(group, GetParam()); } \
    INSTANTIATE_TEST_SUITE_P(Scripts, Transcript, ::testing::ValuesIn(ulmaro::test::scriptNames(group)),    \
                             [](const ::testing::TestParamInfo<std::string>& i) { return i.param; })
#define PICTURES(group, crop, margin)                                                                              \
    TEST_P(Picture, MatchesItsReference) { ulmaro::test::expectPictureOfScript(group, GetParam(), crop, margin); } \
    INSTANTIATE_TEST_SUITE_P(States, Picture, ::testing::ValuesIn(ulmaro::test::scriptNames(group, "pictures")),   \
                             [](const ::testing::TestParamInfo<std::string>& i) { return i.param; })
