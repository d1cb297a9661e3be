// Draws the program's windows and the main window's message boxes into PNG files, one per
// render step, so that a layout can be checked by eye. Usage: fortunix-screenshots [folder]
// (default ./screenshots). Run it with QT_QPA_PLATFORM=offscreen or under xvfb-run, and
// with QT_SCALE_FACTOR for a larger scaling; tools/screenshots does both.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Startup.h"
#include "forms/ProgramLanguage.h"
#include "forms/Windows.h"
#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "platform/Platform.h"
#include "platform/ProgramInfo.h"
#include "shell/UpdateReminder.h"
#include "support/FakePlatform.h"
#include "support/ModalWindow.h"
#include "support/WindowDriving.h"
#include "widgets/ProgramStyle.h"

namespace fortunix::screenshots {

namespace {

using test_support::Child;
using test_support::CloseMenus;
using test_support::OpenMenu;
using test_support::TypeKey;

// Where the pictures go and the name of the step being drawn.
struct Shot {
    QString folder;
    QString stepName;
    int saved = 0;

    void Save(QWidget* window) {
        window->show();
        QApplication::processEvents();
        const QString path = folder + u'/' + stepName + QStringLiteral(".png");
        if (window->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
            ++saved;
        } else {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        }
    }
};

// Instead of waiting for the user, a message box is drawn under the current step's name,
// built as the program's own message boxes are.
class DrawnMessageBoxes final : public MessageBoxes {
  public:
    explicit DrawnMessageBoxes(Shot& shot) : shot_(shot) {}

    MessageAnswer Show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override {
        QMessageBox box(
            icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
            QString::fromLatin1(kProgramName), text,
            buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
            parent);
        shot_.Save(&box);
        box.hide();
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

  private:
    Shot& shot_;
};

// One picture. `run` brings the program into the state to draw and returns the window to
// draw, or nothing when it raised a message box (which the seam draws).
struct RenderStep {
    QString name;
    std::function<QWidget*()> run;
};

// Fills the main window's checked fields; an empty text leaves a box empty.
void FillBirthForm(frmMain& form, const char* name, const char* lonDeg, const char* lonMin,
                   const char* latDeg, const char* latMin) {
    Child<QLineEdit>(&form, "txtName")->setText(QString::fromLatin1(name));
    Child<QLineEdit>(&form, "txtLonD")->setText(QString::fromLatin1(lonDeg));
    Child<QLineEdit>(&form, "txtLonM")->setText(QString::fromLatin1(lonMin));
    Child<QLineEdit>(&form, "txtLatD")->setText(QString::fromLatin1(latDeg));
    Child<QLineEdit>(&form, "txtLatM")->setText(QString::fromLatin1(latMin));
}

void SetDate(frmMain& form, int monthIndex, int dayIndex, const char* year) {
    Child<QComboBox>(&form, "cboMonth")->setCurrentIndex(monthIndex);
    Child<QComboBox>(&form, "cboDate")->setCurrentIndex(dayIndex);
    Child<QComboBox>(&form, "cboYear")->setCurrentText(QString::fromLatin1(year));
}

QWidget* RequestReading(frmMain& form) {
    form.cmdRashi_Click();
    return nullptr;
}

void SetPlace(frmMain& form, const char* city, const char* state, const char* country) {
    Child<QLineEdit>(&form, "txtMCity")->setText(QString::fromUtf8(city));
    Child<QLineEdit>(&form, "txtMState")->setText(QString::fromUtf8(state));
    Child<QLineEdit>(&form, "txtMCountry")->setText(QString::fromUtf8(country));
}

QWidget* LookUpPlace(frmMain& form, const char* city, const char* state, const char* country) {
    SetPlace(form, city, state, country);
    form.cmdBrowser_Click();
    return nullptr;
}

// The place-choice window that the look-up button opens. The look-up waits for a choice, so
// the window is drawn while it waits and then cancelled.
QWidget* ChoosePlace(Shot& shot, frmMain& form, const char* city, const char* state,
                     const char* country) {
    SetPlace(form, city, state, country);
    test_support::AnswerModalWindow([&form] { form.cmdBrowser_Click(); },
                                    [&shot](QWidget& window) {
                                        shot.Save(&window);
                                        test_support::CloseModalWindow(window);
                                    });
    return nullptr;
}

void SetBirthMoment(frmMain& form, int monthIndex, int dayIndex, const char* year, int hour,
                    int minute) {
    SetDate(form, monthIndex, dayIndex, year);
    Child<QComboBox>(&form, "cboHH")->setCurrentIndex(hour);
    Child<QComboBox>(&form, "cboMM")->setCurrentIndex(minute);
}

// Uses the first place the look-up finds and shows the main window with what it set.
QWidget* UsePlace(frmMain& form, const char* city, const char* state, const char* country) {
    SetPlace(form, city, state, country);
    test_support::AnswerModalWindow(
        [&form] { form.cmdBrowser_Click(); },
        [](QWidget& window) { Child<QPushButton>(&window, "cmdUsePlace")->click(); });
    return &form;
}

// The program's windows with their message boxes.
std::vector<RenderStep> RenderSteps(Shot& shot, fakes::ScriptedDocumentDialogs& dialogs) {
    frmMain& form = windows::Main();
    return {
        {QStringLiteral("main-window"), [&form] { return static_cast<QWidget*>(&form); }},
        {QStringLiteral("message-enter-name"),
         [&form] {
             FillBirthForm(form, "  ", "0", "0", "51", "30");
             return RequestReading(form);
         }},
        {QStringLiteral("message-longitude-degrees"),
         [&form] {
             FillBirthForm(form, "JOHN", "180", "0", "51", "30");
             return RequestReading(form);
         }},
        {QStringLiteral("message-longitude-minutes"),
         [&form] {
             FillBirthForm(form, "JOHN", "0", "60", "51", "30");
             return RequestReading(form);
         }},
        {QStringLiteral("message-latitude-degrees"),
         [&form] {
             FillBirthForm(form, "JOHN", "0", "0", "90", "30");
             return RequestReading(form);
         }},
        {QStringLiteral("message-latitude-minutes"),
         [&form] {
             FillBirthForm(form, "JOHN", "0", "0", "51", "");
             return RequestReading(form);
         }},
        {QStringLiteral("message-february"),
         [&form] {
             FillBirthForm(form, "JOHN", "0", "0", "51", "30");
             SetDate(form, 1, 29, "1999");
             return RequestReading(form);
         }},
        {QStringLiteral("message-thirty-day-month"),
         [&form] {
             SetDate(form, 3, 30, "2000");
             return RequestReading(form);
         }},
        {QStringLiteral("message-only-numbers"),
         [&form] {
             TypeKey(Child<QLineEdit>(&form, "txtLatD"), Qt::Key_A, QStringLiteral("a"));
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("message-only-letters"),
         [&form] {
             TypeKey(Child<QLineEdit>(&form, "txtName"), Qt::Key_1, QStringLiteral("1"));
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("message-enter-city"), [&form] { return LookUpPlace(form, "", "", ""); }},
        {QStringLiteral("message-enter-state"),
         [&form] { return LookUpPlace(form, "Paris", "", ""); }},
        {QStringLiteral("message-enter-country"),
         [&form] { return LookUpPlace(form, "Paris", "IDF", ""); }},
        {QStringLiteral("result-window"),
         [&form] {
             // The worked example: 1 January 2000, 12:00 GMT, 0°0' West, 51°30' North.
             FillBirthForm(form, "JOHN", "0", "0", "51", "30");
             SetPlace(form, "London", "England", "United Kingdom");
             SetDate(form, 0, 0, "2000");
             Child<QComboBox>(&form, "cboHH")->setCurrentIndex(12);
             Child<QRadioButton>(&form, "optLong_1")->setChecked(true);
             form.cmdRashi_Click();
             return static_cast<QWidget*>(&windows::Display());
         }},
        {QStringLiteral("place-choice-matches"),
         [&shot, &form] { return ChoosePlace(shot, form, "Paris", "IDF", "France"); }},
        {QStringLiteral("place-choice-summer-time"),
         [&shot, &form] {
             SetBirthMoment(form, 6, 0, "1950", 12, 0);
             return ChoosePlace(shot, form, "New York", "NY", "USA");
         }},
        {QStringLiteral("place-choice-repeated-hour"),
         [&shot, &form] {
             SetBirthMoment(form, 10, 6, "2021", 1, 30);
             return ChoosePlace(shot, form, "New York", "NY", "USA");
         }},
        {QStringLiteral("place-choice-skipped-hour"),
         [&shot, &form] {
             SetBirthMoment(form, 2, 13, "2021", 2, 30);
             return ChoosePlace(shot, form, "New York", "NY", "USA");
         }},
        {QStringLiteral("main-window-birthplace-time"),
         [&form] {
             SetBirthMoment(form, 6, 0, "2000", 12, 0);
             return UsePlace(form, "Kathmandu", "Bagmati", "Nepal");
         }},
        {QStringLiteral("place-choice-none"),
         [&shot, &form] { return ChoosePlace(shot, form, "Xyzzyville", "Nowhere", "Atlantis"); }},
        {QStringLiteral("place-choice-other-name"),
         [&shot, &form] { return ChoosePlace(shot, form, "München", "Bayern", "Germany"); }},
        {QStringLiteral("place-choice-did-you-mean"),
         [&shot, &form] { return ChoosePlace(shot, form, "Lodnon", "England", "Angleterre"); }},
        {QStringLiteral("result-window-file-menu"),
         [&form] {
             // The reading of the Kathmandu birth looked up above.
             form.cmdRashi_Click();
             return OpenMenu(&windows::Display(), "mnuFile");
         }},
        {QStringLiteral("print-preview"),
         [&shot] {
             CloseMenus();
             test_support::AnswerModalWindow([] { windows::Display().mnuPrintPreview_Click(); },
                                             [&shot](QWidget& window) {
                                                 window.resize(900, 1000);
                                                 shot.Save(&window);
                                                 test_support::CloseModalWindow(window);
                                             });
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("message-reading-not-saved"),
         [&dialogs] {
             dialogs.savePath = QDir::temp().filePath(
                 QStringLiteral("no-such-folder/Fortunix reading - JOHN - 2026-01-01.pdf"));
             windows::Display().mnuSaveReadingPdf_Click();
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("main-window-file-menu"),
         [&form] {
             windows::Display().cmdOK_Click();
             return OpenMenu(&form, "mnuFile");
         }},
        {QStringLiteral("main-window-recent-births"),
         [&form] {
             CloseMenus();
             return OpenMenu(&form, "mnuRecentBirths");
         }},
        {QStringLiteral("place-choice-none-in-country"),
         [&shot, &form] {
             CloseMenus();
             return ChoosePlace(shot, form, "München", "Bayern", "Nepal");
         }},
        {QStringLiteral("place-choice-long-entry"),
         [&shot, &form] {
             const std::string city(5000, 'x');
             return ChoosePlace(shot, form, city.c_str(), " ", " ");
         }},
        {QStringLiteral("place-choice-own-script"),
         [&shot, &form] { return ChoosePlace(shot, form, "Москва", " ", "Россия"); }},
        {QStringLiteral("place-choice-right-to-left"),
         [&shot, &form] { return ChoosePlace(shot, form, "القاهرة", " ", "مصر"); }},
        {QStringLiteral("place-choice-did-you-mean-greek"),
         [&shot, &form] { return ChoosePlace(shot, form, "Αθνήα", " ", "Ελλάδα"); }},
        {QStringLiteral("place-choice-japanese"),
         [&shot, &form] { return ChoosePlace(shot, form, "東京", " ", "日本"); }},
        {QStringLiteral("message-update-prompt"),
         [] {
             ShowMessage(nullptr, QString::fromLatin1(kUpdatePromptText), MessageIcon::Information,
                         MessageButtons::YesNo);
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("message-already-running"),
         [] {
             ShowMessage(nullptr, QString::fromLatin1(kAlreadyRunningText),
                         MessageIcon::Information);
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("about-box"),
         [] {
             static frmAbout* about = new frmAbout;
             return static_cast<QWidget*>(about);
         }},
        {QStringLiteral("refer-a-friend-window"),
         [] { return static_cast<QWidget*>(&windows::NagScreen()); }},
        {QStringLiteral("message-email-space"),
         [] {
             TypeKey(Child<QLineEdit>(&windows::NagScreen(), "txtEmail"), Qt::Key_Space,
                     QStringLiteral(" "));
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("message-proper-email"),
         [] {
             Child<QPushButton>(&windows::NagScreen(), "cmdSubmit")->click();
             return static_cast<QWidget*>(nullptr);
         }},
        {QStringLiteral("message-enter-your-name"),
         [] {
             Child<QLineEdit>(&windows::NagScreen(), "txtEmail")->setText("ann@example.com");
             Child<QLineEdit>(&windows::NagScreen(), "txtFriendEmail")->setText("bob@example.org");
             Child<QPushButton>(&windows::NagScreen(), "cmdSubmit")->click();
             return static_cast<QWidget*>(nullptr);
         }},
    };
}

}  // namespace
}  // namespace fortunix::screenshots

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    fortunix::UseProgramStyle();  // drawn as the program draws them
    using namespace fortunix;
    using namespace fortunix::screenshots;

    Shot shot;
    shot.folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    if (!QDir().mkpath(shot.folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(shot.folder));
        return 1;
    }

    // No browser, no settings file; the message boxes are drawn, not waited for.
    DrawnMessageBoxes messages(shot);
    fakes::FakePlatform platform(&messages);
    platform.clock.today = QDate(2026, 1, 1);
    UseLanguage(SystemLanguage());  // LANGUAGE=de tools/screenshots draws the windows in German

    const std::vector<RenderStep> steps = RenderSteps(shot, platform.dialogs);
    for (const RenderStep& step : steps) {
        shot.stepName = step.name;
        if (QWidget* window = step.run()) {
            shot.Save(window);
        }
    }
    const bool complete = shot.saved == static_cast<int>(steps.size());
    if (!complete) {
        std::fprintf(stderr, "%d of %zu pictures written\n", shot.saved, steps.size());
    }
    return complete ? 0 : 1;
}
