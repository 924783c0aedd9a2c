// Typing into a multi-line text box through the form: one character in the middle of the
// text and one Backspace per iteration, each redrawing the box. The time should follow the
// number of lines the box shows, not the length of the text: compare the rows with the
// same height and different text lengths, then the rows with the same text and different
// heights.
#include <benchmark/benchmark.h>

#include "framework/form.h"
#include "textbox/zyn_text_box.h"

using namespace ulmaro;

namespace {

// Lines of about 50 characters up to `chars` characters.
std::string manyLines(std::size_t chars) {
    std::string text;
    const std::string line = "The quick brown fox jumps over the lazy dog 0123\r\n";
    while (text.size() + line.size() <= chars) text += line;
    return text;
}

// Arguments: text length in characters, box height in pixels (13 pixels to a line).
void BM_TypeIntoMemo(benchmark::State& state) {
    registerLibraryClasses();
    Form form(640, 1200);
    auto& memo =
        static_cast<ZynTextBox&>(form.place("ZynTextBox", "Memo", 0, 0, 600, static_cast<int>(state.range(1))));
    memo.setMultiline(true);
    memo.setScrollBars(3);
    const std::string text = manyLines(static_cast<std::size_t>(state.range(0)));
    memo.setText(text);
    form.setFocus(&memo);
    memo.setSelStart(static_cast<std::int32_t>(text.size() / 2));
    for (auto _ : state) {
        form.keyPress('x');
        form.keyPress(8);
    }
    if (memo.Text().size() != text.size()) state.SkipWithError("the text changed length");
    state.counters["lines_shown"] = static_cast<double>(state.range(1) / 13);
}

}  // namespace

BENCHMARK(BM_TypeIntoMemo)
    ->Args({10000, 130})
    ->Args({100000, 130})
    ->Args({1000000, 130})
    ->Args({100000, 260})
    ->Args({100000, 520})
    ->Args({100000, 1040})
    ->Unit(benchmark::kMicrosecond);
