// Replays every fuzz target over its seed corpus and over each input that once made it
// fail (fuzz/regressions/<target>/, one file per fault with a comment in its name), so a
// fault once found stays fixed without libFuzzer.
#include "fuzz_targets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

class FuzzReplay : public ::testing::TestWithParam<ulmaro::fuzz::Target> {};

TEST_P(FuzzReplay, CorpusAndRegressionsRunClean) {
    const ulmaro::fuzz::Target& target = GetParam();
    int inputs = 0;
    for (const char* set : {"corpus", "regressions"}) {
        const fs::path dir = fs::path(ULMARO_SOURCE_DIR) / "fuzz" / set / target.name;
        if (!fs::is_directory(dir)) continue;
        for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
            std::ifstream in(e.path(), std::ios::binary);
            std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            SCOPED_TRACE(e.path().string());
            target.run(bytes.data(), bytes.size());
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0) << "no seed inputs for " << target.name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(ulmaro::fuzz::kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
