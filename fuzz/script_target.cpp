// Input scripts: every line either runs or is refused with a script error; nothing crashes
// whatever the coordinates, sizes, values or floods of events. Lines that write files
// (render, save) are left out, and the clock is given at most a minute per input so a
// run stays short.
#include "fuzz_support.h"

#include "app/script.h"
#include "framework/dispatch.h"

#include <sstream>

namespace ulmaro::fuzz {

namespace {

std::string firstWord(const std::string& line) {
    std::size_t b = line.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    std::size_t e = line.find_first_of(" \t", b);
    std::string w = line.substr(b, e == std::string::npos ? std::string::npos : e - b);
    for (char& c : w) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return w;
}

}  // namespace

int Script(const std::uint8_t* data, std::size_t size) {
    registerLibraryClasses();
    HandleBaseline baseline;
    {
        std::unique_ptr<Form> form = std::make_unique<Form>(240, 160);
        std::ostringstream out;
        app::ScriptRunner runner(form, out);
        std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
        long long clockBudget = 60000;
        for (std::string line; std::getline(in, line);) {
            const std::string word = firstWord(line);
            if (word == "render" || word == "save") continue;
            if (word == "tick") {
                // The command word may be in any letter case: skip it by position, not by spelling.
                long long ms = std::atoll(line.c_str() + line.find_first_not_of(" \t") + 4);
                if (ms > clockBudget) continue;
                clockBudget -= std::max(ms, 0LL);
            }
            try {
                runner.runLine(line);
            } catch (const app::ScriptError&) {
            }
            out.str("");
        }
        if (form) form->compose();
    }
    baseline.check();
    return 0;
}

}  // namespace ulmaro::fuzz
