// How quickly the windows answer: from creating the main window to its being on screen, and
// from a click on the reading button to the result window being on screen. Run under a window
// system (xvfb-run works): "exposed" means the window system has put the window up.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "forms/ProgramLanguage.h"
#include "forms/ReadingExport.h"
#include "forms/Windows.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "platform/Platform.h"
#include "shell/RecentBirthsFile.h"
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

// Start-up in a language: its translations (the program's and Qt's own) loaded, then the main
// window built and shown. English loads none, so the difference to it is what speaking
// another language adds to the start.
void BM_MainWindowStartInLanguage(benchmark::State& state, const char* code) {
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        UseLanguage(QString::fromLatin1(code));
        frmMain& form = windows::Main();
        form.show();
        const bool exposed = QTest::qWaitForWindowExposed(&form);
        state.SetIterationTime(SecondsSince(start));
        if (!exposed) {
            state.SkipWithError("the main window was not exposed");
        }
        test_support::UnloadAllWindows();
        UseLanguage(QString::fromLatin1(kEnglish));
    }
}
BENCHMARK_CAPTURE(BM_MainWindowStartInLanguage, english, "en")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MainWindowStartInLanguage, german, "de")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MainWindowStartInLanguage, japanese, "ja")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MainWindowStartInLanguage, arabic, "ar")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

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

// The sheet of the worked example drawn and written as a PDF file, as Save Reading as PDF does;
// the file's size is reported as pdf_kB.
void BM_SheetToPdf(benchmark::State& state) {
    BirthFormState form;
    form.fields = {"JOHN", "0", "0", "51", "30", "2000", 0, 0, "12", "0", false, false, false};
    const ReadingSheet sheet{form,
                             {2000, 1, 1, 12, 0},
                             {280, 223, 24},
                             81,
                             QString::fromUtf8("21\u00BA Gemini"),
                             QStringLiteral("Like a child full of inquisitiveness asking why the "
                                            "sky is blue, you meet the world with endless "
                                            "questions.")};
    QTemporaryDir folder;
    const QString path = folder.filePath("reading.pdf");
    for (auto _ : state) {
        if (WriteReadingPdf(path, sheet, QDate(2026, 12, 7), QPageSize(QPageSize::A4))) {
            state.SkipWithError("the PDF could not be written");
        }
    }
    state.counters["pdf_kB"] = static_cast<double>(QFileInfo(path).size()) / 1024;
}
BENCHMARK(BM_SheetToPdf)->Unit(benchmark::kMillisecond);

// The main window's File menu, and its Recent Births submenu, from the click to the menu on
// screen, with `state.range(0)` births kept (0, or the 20 kept at most).
void BM_FileMenuOpen(benchmark::State& state, const char* menuName) {
    RecentBirths recent;
    for (int count = 0; count < state.range(0); ++count) {
        BirthFormState birth;
        birth.fields = {"PERSON " + std::to_string(count),
                        "0",
                        "0",
                        "51",
                        "30",
                        "2000",
                        0,
                        0,
                        "12",
                        "0",
                        false,
                        false,
                        false};
        birth.place = AtlasPlaceName{"London", "England", "United Kingdom", "Europe/London", 0};
        recent.births.push_back(birth);
    }
    RecentBirthsFile(CurrentPlatform().folders.DataFolder()).Save(recent);
    frmMain& form = windows::Main();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the main window was not exposed");
    }
    QApplication::processEvents();  // the recent births are read
    auto* menu = form.findChild<QMenu*>(QString::fromLatin1(menuName));
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        menu->popup(form.mapToGlobal(QPoint(10, 10)));
        const bool exposed = QTest::qWaitForWindowExposed(menu);
        state.SetIterationTime(SecondsSince(start));
        if (!exposed) {
            state.SkipWithError("the menu was not exposed");
        }
        menu->hide();
        QApplication::processEvents();
    }
    test_support::UnloadAllWindows();
}
BENCHMARK_CAPTURE(BM_FileMenuOpen, file, "mnuFile")
    ->Arg(0)
    ->Arg(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FileMenuOpen, recent_births, "mnuRecentBirths")
    ->Arg(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fortunix

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);  // never the real user's files
    QApplication application(argc, argv);
    fortunix::fakes::FakePlatform platform;  // no browser, no settings file, no real exit
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
