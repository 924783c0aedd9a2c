// The label's layout pass over captions of mixed mark-up: the time should grow in step with
// the caption's length (one left-to-right walk, no rescanning).
#include "label/zyn_label.h"

#include "framework/form.h"

#include <benchmark/benchmark.h>

using namespace ulmaro;

namespace {

// Text, font switches, colours, a fill, a link and a line break, repeated up to `length`
// characters (whole pieces only, so every tag stays complete).
std::string mixedCaption(std::size_t length) {
    const std::string piece =
        "plain <b>bold</b> <i>it</i> <C=FF0000>red</C> <F=FFFF00>fill</F> <A Name=\"x\">link</A> R&&D<br>";
    std::string caption;
    while (caption.size() + piece.size() <= length) caption += piece;
    return caption;
}

void BM_LabelPass(benchmark::State& state) {
    registerLibraryClasses();
    Form form(640, 480);
    auto& label = static_cast<ZynLabel&>(form.place("ZynLabel", "Label1", 0, 0, 200, 40));
    const std::string caption = mixedCaption(static_cast<std::size_t>(state.range(0)));
    label.setCaption(caption);
    for (auto _ : state) {
        label.Refresh();
        benchmark::DoNotOptimize(label.Text().size());
    }
    state.SetComplexityN(static_cast<benchmark::IterationCount>(caption.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(caption.size()));
}

}  // namespace

BENCHMARK(BM_LabelPass)->Arg(1024)->Arg(2048)->Arg(4096)->Arg(8192)->Arg(16384)->Arg(32000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
