// The list box: a redraw costs what shows, not what the list holds (30 and 30 000 items
// should redraw in about the same time, from the off-screen copy and with a full rebuild),
// and adding items one by one grows in step with their number.
#include "listbox/zyn_list_box.h"

#include "framework/form.h"

#include <benchmark/benchmark.h>

using namespace ulmaro;

namespace {

ZynListBox& placeList(Form& form, int items) {
    auto& list = static_cast<ZynListBox&>(form.place("ZynListBox", "List1", 0, 0, 160, 200));
    for (int i = 0; i < items; ++i) list.AddItem("Item " + std::to_string(i));
    list.setListIndex(3);
    return list;
}

void BM_ListRedraw(benchmark::State& state) {
    registerLibraryClasses();
    Form form(320, 240);
    ZynListBox& list = placeList(form, static_cast<int>(state.range(0)));
    for (auto _ : state) list.Paint();
}

// The Round setter marks the background for rebuilding and redraws, as every layout does.
void BM_ListRebuild(benchmark::State& state) {
    registerLibraryClasses();
    Form form(320, 240);
    ZynListBox& list = placeList(form, static_cast<int>(state.range(0)));
    for (auto _ : state) list.setRound(false);
}

void BM_ListAddItems(benchmark::State& state) {
    registerLibraryClasses();
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Form form(320, 240);
        auto& list = static_cast<ZynListBox&>(form.place("ZynListBox", "List1", 0, 0, 160, 200));
        state.ResumeTiming();
        for (int i = 0; i < n; ++i) list.AddItem("Item");
        benchmark::DoNotOptimize(list.ListCount());
    }
    state.SetComplexityN(n);
}

}  // namespace

BENCHMARK(BM_ListRedraw)->Arg(30)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListRebuild)->Arg(30)->Arg(30000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListAddItems)->Arg(7500)->Arg(15000)->Arg(30000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
