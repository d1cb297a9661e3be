// How quickly the windows answer: from creating the main window to its being on screen, and
// from a click on the reading button to the result window being on screen. Run under a window
// system (xvfb-run works): "exposed" means the window system has put the window up.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "forms/Windows.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"

namespace fortunix {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The worked example: 1 January 2000, 12:00 GMT, 0°0' West, 51°30' North.
void FillWorkedExample(frmMain& form) {
    form.findChild<QLineEdit*>("txtName")->setText("JOHN");
    form.findChild<QComboBox*>("cboYear")->setCurrentText("2000");
    form.findChild<QComboBox*>("cboHH")->setCurrentIndex(12);
    form.findChild<QLineEdit*>("txtLonD")->setText("0");
    form.findChild<QLineEdit*>("txtLonM")->setText("0");
    form.findChild<QLineEdit*>("txtLatD")->setText("51");
    form.findChild<QLineEdit*>("txtLatM")->setText("30");
    form.findChild<QButtonGroup*>("optLong")->button(1)->setChecked(true);
}

// The first window of the process also pays for loading fonts and the style: reported apart
// as cold_ms.
void BM_MainWindowStart(benchmark::State& state) {
    static double coldSeconds = -1;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        frmMain& form = windows::Main();
        form.show();
        const bool exposed = QTest::qWaitForWindowExposed(&form);
        const double seconds = SecondsSince(start);
        state.SetIterationTime(seconds);
        if (coldSeconds < 0) {
            coldSeconds = seconds;
        }
        if (!exposed) {
            state.SkipWithError("the main window was not exposed");
        }
        test_support::UnloadAllWindows();
    }
    state.counters["cold_ms"] = coldSeconds * 1000;
}
BENCHMARK(BM_MainWindowStart)->UseManualTime()->Unit(benchmark::kMillisecond);

// Each click loads the result window afresh, as every reading after Back does.
void BM_ReadingToResultWindow(benchmark::State& state) {
    frmMain& form = windows::Main();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the main window was not exposed");
    }
    FillWorkedExample(form);
    auto* request = form.findChild<QPushButton*>("cmdRashi");
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        request->click();
        const bool exposed = QTest::qWaitForWindowExposed(&windows::Display());
        state.SetIterationTime(SecondsSince(start));
        if (!exposed) {
            state.SkipWithError("the result window was not exposed");
        }
        windows::Display().cmdOK_Click();  // Back: closes the result window
        test_support::ProcessDeferredDeletes();
        if (!QTest::qWaitForWindowExposed(&form)) {
            state.SkipWithError("the main window did not come back");
        }
    }
    test_support::UnloadAllWindows();
}
BENCHMARK(BM_ReadingToResultWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunix

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    fortunix::fakes::FakePlatform platform;  // no browser, no settings file, no real exit
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
