// Writes reading sheets through the result window's own commands, for the test that reads
// their text back with pdftotext (SheetPdfText.cmake): the worked example and a Kathmandu
// birth at the birthplace time UTC+05:45, each saved as a PDF and printed to a PDF file.
//   fortunix_sheet_pdf_writer FOLDER
// Exit status 0 when every file was written and no message was shown.

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

#include "forms/ProgramLanguage.h"
#include "forms/Windows.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"

namespace {

using fortunix::BirthFormState;

// 1 January 2000, 12:00 Greenwich Mean Time, 0°0' West, 51°30' North: no atlas place.
BirthFormState WorkedExample() {
    BirthFormState state;
    state.fields = {"JOHN", "0", "0", "51", "30", "2000", 0, 0, "12", "0", false, false, false};
    state.zoneRow = 29;
    return state;
}

// 1 July 2000, 12:00 at Kathmandu, whose clocks kept UTC+05:45, as the look-up leaves the form.
BirthFormState Kathmandu() {
    BirthFormState state;
    state.fields = {"ANN LEE", "85", "19", "27", "42", "2000", 6, 0, "12", "0", true, false, false};
    state.zoneRow = 71;
    state.birthplaceTimeMinutes = 345;
    state.city = "Kathmandu";
    state.country = "Nepal";
    state.place = fortunix::AtlasPlaceName{"Kathmandu", "Bagmati Province", "Nepal",
                                           "Asia/Kathmandu", 85.3206};
    state.zoneFollowsPlace = true;
    return state;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fortunix_sheet_pdf_writer FOLDER\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    fortunix::fakes::FakePlatform fake;

    // The worked example also in German, Arabic and Japanese, the program speaking them.
    const struct {
        const char* file;
        BirthFormState state;
        const char* language;
    } births[] = {{"london", WorkedExample(), "en"},
                  {"kathmandu", Kathmandu(), "en"},
                  {"london-de", WorkedExample(), "de"},
                  {"london-ar", WorkedExample(), "ar"},
                  {"london-ja", WorkedExample(), "ja"}};
    bool written = true;
    for (const auto& birth : births) {
        fortunix::UseLanguage(QString::fromLatin1(birth.language));
        fortunix::frmMain& form = fortunix::windows::Main();
        form.show();
        form.ShowFormState(birth.state);
        form.cmdRashi_Click();
        fortunix::frmDisplay& display = fortunix::windows::Display();

        const QString saved = folder.filePath(QString::fromLatin1(birth.file) + ".pdf");
        fake.dialogs.savePath = saved;
        display.mnuSaveReadingPdf_Click();
        const QString printed = folder.filePath(QString::fromLatin1(birth.file) + "-printed.pdf");
        fake.dialogs.printerAccepted = true;
        fake.dialogs.printerPdfPath = printed;
        display.mnuPrint_Click();
        written = written && QFile::exists(saved) && QFile::exists(printed);
        fortunix::test_support::UnloadAllWindows();
    }
    for (const auto& shown : fake.messages.shown) {
        std::fprintf(stderr, "message: %s\n", qPrintable(shown.text));
    }
    return written && fake.messages.shown.empty() ? 0 : 1;
}
