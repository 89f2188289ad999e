// Reading and writing designs with many elements: both must stay linear in the element count
// (unique names, docking and the main-element rule included).
#include "document/RptDesigner.h"

#include <benchmark/benchmark.h>

namespace {

QString DesignWith(int elements) {
    QString text = QStringLiteral("<BVReport PaperWidth=\"2100\" PaperHeight=\"2970\">");
    for (int i = 0; i < elements; ++i) {
        // Unnamed elements make the page find a free name for each; every tenth one is docked.
        text += i % 10 == 0
                    ? QStringLiteral("<div AlignPos=\"1\" Height=\"5\" Left=\"1\">docked %1</div>")
                          .arg(i)
                    : QStringLiteral("<div Left=\"%1\" Top=\"%1\" DataType=\"1\" DataSource=\"S\" "
                                     "DataField=\"S.F%1\" BgColor=\"#C0FFFF\">text %1</div>")
                          .arg(i);
    }
    return text + QStringLiteral("</BVReport>");
}

void LoadDesign(benchmark::State& state) {
    const QString text = DesignWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vevezo::TRptDesigner page;
        benchmark::DoNotOptimize(page.LoadDesignXML(text));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void WriteDesign(benchmark::State& state) {
    vevezo::TRptDesigner page;
    page.LoadDesignXML(DesignWith(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.GetDesignXML());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(LoadDesign)->RangeMultiplier(10)->Range(1000, 100000)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK(WriteDesign)->RangeMultiplier(10)->Range(1000, 100000)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
