// Speed of the program's actions on the real code: the model alone, each
// handler drawing into the layer, and a click through to the repainted window.
#include "fitness.h"
#include "native.h"
#include "quorvelcode.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

using quorvel::platform::qt::Native;

namespace {

// A window set up as a user would before pressing RUN or W Mean.
struct SetUpWindow {
    quorvel::Quorvelcode window;
    int errors = 0;
    SetUpWindow() {
        window.errors.setSink([this](const quorvel::platform::Text &) { ++errors; });
        window.HScrollw1->SetValue(80);
        window.HScrollw2->SetValue(100);
        window.HScrollw3->SetValue(60);
        window.VScrollp->SetValue(100);
    }
};

void BM_Model100Generations(benchmark::State &state) {
    double wAA = 0.8, wAa = 1.0, waa = 0.6, p0 = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wAA);
        benchmark::DoNotOptimize(p0);
        double p = p0;
        for (int gen = 1; gen <= 100; ++gen) {
            const double wbar = quorvel::MeanFitness(p, wAA, wAa, waa);
            p = quorvel::NextFrequency(p, wbar, wAA, wAa);
        }
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_Model100Generations);

// The handler alone: the window is not shown, so nothing is repainted.
void BM_RUN_Click(benchmark::State &state) {
    SetUpWindow setUp;
    for (auto _ : state)
        setUp.window.RUN_Click();
    if (setUp.errors)
        state.SkipWithError("RUN reported an error");
}
BENCHMARK(BM_RUN_Click);

void BM_Wmean_Click(benchmark::State &state) {
    SetUpWindow setUp;
    for (auto _ : state)
        setUp.window.Wmean_Click();
    if (setUp.errors)
        state.SkipWithError("W Mean reported an error");
    state.counters["dots"] = 2000;
}
BENCHMARK(BM_Wmean_Click);

// A class's board: 20 trajectories and 2 W Means, as the readout and the
// copies meet them.
struct BusyWindow : SetUpWindow {
    BusyWindow() {
        for (int p0 = 25; p0 <= 975; p0 += 50) {
            window.VScrollp->SetValue(p0);
            window.RUN_Click();
        }
        window.Wmean_Click();
        window.HScrollw3->SetValue(0);
        window.Wmean_Click();
    }
};

// From a mouse move over a frame to the note with the nearest point's words.
void BM_ReadoutFollowsThePointer(benchmark::State &state) {
    BusyWindow busy;
    Native(busy.window.form())->show();
    double x = 100;
    for (auto _ : state) {
        x = x >= 590 ? 100 : x + 7;
        busy.window.Drawing_MouseMove(x, 200);
        busy.window.Drawing_MouseMove(x * 0.3 + 70, 360); // the small frames too
    }
}
BENCHMARK(BM_ReadoutFollowsThePointer)->Unit(benchmark::kMicrosecond);

void BM_CopyValues(benchmark::State &state) {
    BusyWindow busy;
    for (auto _ : state)
        busy.window.CopyValues_Click();
}
BENCHMARK(BM_CopyValues)->Unit(benchmark::kMillisecond);

void BM_CopyPicture(benchmark::State &state) {
    BusyWindow busy;
    Native(busy.window.form())->show();
    for (auto _ : state)
        busy.window.CopyPicture_Click();
}
BENCHMARK(BM_CopyPicture)->Unit(benchmark::kMillisecond);

// A RUN of a lesson's largest: 1,000 populations of N = 1,000,000 over 1,000
// generations, a million binomial draws and a million segments.
void BM_RunPopulations(benchmark::State &state) {
    SetUpWindow setUp;
    setUp.window.OpenLink(u"#n=1000000;populations=1000;generations=1000");
    for (auto _ : state)
        setUp.window.RUN_Click();
    if (setUp.errors)
        state.SkipWithError("RUN reported an error");
    state.counters["draws"] = 1e6;
}
BENCHMARK(BM_RunPopulations)->Unit(benchmark::kMillisecond);

// Counts the frames the window paints.
class FrameCounter : public QObject {
public:
    int frames = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        frames += event->type() == QEvent::Paint;
        return false;
    }
};

// A synthesized mouse click on RUN, through the guard and the handler, until
// the window has painted the new picture: today's RUN, or (with an argument)
// the largest RUN of populations above.
void BM_ClickToFrame(benchmark::State &state) {
    SetUpWindow setUp;
    if (state.range(0))
        setUp.window.OpenLink(u"#n=1000000;populations=1000;generations=1000");
    QWidget *shown = Native(setUp.window.form());
    shown->show();
    if (!QTest::qWaitForWindowExposed(shown)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    FrameCounter counter;
    Native(setUp.window.surface)->installEventFilter(&counter);
    for (auto _ : state) {
        const int before = counter.frames;
        QTest::mouseClick(Native(setUp.window.RUN), Qt::LeftButton);
        while (counter.frames == before)
            QCoreApplication::processEvents();
    }
    if (setUp.errors)
        state.SkipWithError("RUN reported an error");
}
BENCHMARK(BM_ClickToFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
