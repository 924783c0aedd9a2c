// A form with text boxes driven through input scripts, with the repaint events left out of
// what a script prints (every property change repaints and raises Paint).
#pragma once

#include <sstream>
#include <string>

#include "support/harness.h"
#include "textbox/zyn_text_box.h"

namespace ulmaro::test {

struct TextBoxForm {
    Harness h;
    explicit TextBoxForm(int width = 320, int height = 240) : h(width, height) {}

    // Runs script lines; returns what they printed, Paint events left out.
    std::string run(const std::string& script) {
        std::istringstream in(h.run(script));
        std::string line, out;
        while (std::getline(in, line))
            if (line.size() < 6 || line.compare(line.size() - 6, 6, ".Paint") != 0) out += line + "\n";
        return out;
    }
    ZynTextBox& box(const std::string& name) { return h.control<ZynTextBox>(name); }
    std::string text(const std::string& name) { return box(name).Text(); }
};

}  // namespace ulmaro::test
