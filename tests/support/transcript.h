// Input scripts and their transcripts: tests/<group>/scripts/NAME.script is played line by
// line on a new 640 x 480 form, as `ulmaro render --script` plays it (on NAME.json with its
// "Load" lines first, when that file exists), and the transcript (each line of the script
// after "> ", then what it printed; a line the runner refuses shows its message after "! ",
// and the script goes on) must equal NAME.expected. On a difference the test names the file
// and line and shows both. ULMARO_UPDATE_SNAPSHOTS=1 rewrites the expected transcripts
// instead: read every one before committing it.
#pragma once

#include "snapshot.h"

#include "framework/form_file.h"

#include <algorithm>
#include <fstream>

namespace ulmaro::test {

inline std::vector<std::string> transcriptNames(const std::string& group) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(fs::path(ULMARO_SOURCE_DIR) / "tests" / group / "scripts"))
        if (e.path().extension() == ".script") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string playTranscript(const std::filesystem::path& script) {
    Harness h(640, 480);
    std::filesystem::path form = script;
    form.replace_extension(".json");
    if (std::filesystem::exists(form)) {
        h.runner.reset();
        h.form = loadForm(form.string(), true);
        h.runner = std::make_unique<app::ScriptRunner>(h.form, h.out);
        std::ostringstream err;
        EXPECT_EQ(h.runner->runFormLoad(form.string(), err), 0) << err.str();
    }
    std::string transcript = h.out.str(), line;
    std::ifstream in(script);
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
    const std::string ours = playTranscript(dir / (name + ".script"));
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

}  // namespace ulmaro::test

// Plays every script of a test folder: TRANSCRIPTS(group) once in one of its files.
struct Transcript : ::testing::TestWithParam<std::string> {};

#define TRANSCRIPTS(group)                                                                                 \
    TEST_P(Transcript, MatchesItsExpectedTranscript) { ulmaro::test::expectTranscript(group, GetParam()); } \
    INSTANTIATE_TEST_SUITE_P(Scripts, Transcript, ::testing::ValuesIn(ulmaro::test::transcriptNames(group)),  \
                             [](const ::testing::TestParamInfo<std::string>& i) { return i.param; })
