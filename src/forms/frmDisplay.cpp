#include "forms/frmDisplay.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <string_view>

#include "forms/ExitHandOff.h"
#include "forms/LinkStrips.h"
#include "forms/ReadingExport.h"
#include "forms/SharedMenus.h"
#include "forms/Windows.h"
#include "forms/frmAbout.h"
#include "forms/frmMain.h"
#include "platform/Platform.h"
#include "platform/ProgramInfo.h"
#include "reading/Interpretation.h"
#include "shell/IgnoringErrors.h"
#include "widgets/Appearance.h"
#include "widgets/Controls.h"
#include "widgets/WindowPlacement.h"

namespace fortunix {

namespace {

constexpr int kClientWidth = 7935;
constexpr int kClientHeight = 4815;
constexpr int kLeoSignIndex = 4;

const QColor kParagraphBlack{0, 0, 0};

// A result label keeps its short accessible name ("Part of Fortune"); what it shows goes into
// its accessible description, so that a screen reader speaks both.
void ShowResultText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}

// Exit and Back, side by side at the foot of the result frame.
QPushButton* ResultButton(QWidget* frame, const char* name, const char* caption,
                          const char* accessibleName, int left) {
    QPushButton* button = CommandButton(frame, name, QString::fromLatin1(caption),
                                        {left, 2760, 1260, 465}, {kSkyBlue, std::nullopt});
    button->setAccessibleName(QString::fromLatin1(accessibleName));
    button->setFont(ProgramFont(8.25, /*bold=*/true));
    return button;
}

}  // namespace

frmDisplay::frmDisplay(QWidget* parent) : QMainWindow(parent, kFixedWindowFlags) {
    QWidget* client = SetUpFixedWindow(this, "frmDisplay", kClientWidth, kClientHeight);
    SetBackground(client, kSkyBlue);

    BuildMenus();
    BuildBanner(client);
    BuildResultFrame(client);
    BuildOfferStrip(client);
    setTabOrder(cmdExit_, cmdOK_);
    FixWindowSize(this);
    cmdExit_->setFocus();
}

void frmDisplay::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, "mnuFileBack", "&Back"), &QAction::triggered, this,
            &frmDisplay::cmdOK_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuReadingSep1"));
    const struct {
        const char* name;
        const char* caption;
        QKeySequence keys;
        void (frmDisplay::*handler)();
    } readingItems[] = {
        {"mnuCopyReading", "&Copy Reading", QKeySequence(Qt::CTRL | Qt::Key_C),
         &frmDisplay::mnuCopyReading_Click},
        {"mnuSaveReadingPdf", "Save Reading as &PDF\u2026", QKeySequence(Qt::CTRL | Qt::Key_S),
         &frmDisplay::mnuSaveReadingPdf_Click},
        {"mnuPrint", "&Print\u2026", QKeySequence(Qt::CTRL | Qt::Key_P),
         &frmDisplay::mnuPrint_Click},
        {"mnuPrintPreview", "Print Pre&view\u2026", QKeySequence(),
         &frmDisplay::mnuPrintPreview_Click},
    };
    for (const auto& item : readingItems) {
        QAction* action = file->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.keys);
        action->setEnabled(false);  // until a reading is shown
        connect(action, &QAction::triggered, this, item.handler);
    }
    file->addSeparator()->setObjectName(QStringLiteral("mnuReadingSep2"));
    connect(AddMenuItem(file, "mnuExit", "E&xit"), &QAction::triggered, this, &QWidget::close);

    AddHelpAndOfferMenus(this, {"mnuFileSep1", "mnuFileSep2", "&Check for Software Update"});
}

void frmDisplay::BuildBanner(QWidget* client) {
    AddBannerStrip(client, {"Frame2", {0, 0, 7935, 615}, {127, 120, 7680, 465}});
}

void frmDisplay::BuildResultFrame(QWidget* client) {
    QGroupBox* frame =
        Frame(client, "Frame1", QString::fromLatin1(kProgramName) + QStringLiteral(" Result"),
              {0, 600, 7935, 3375}, {kSkyBlue, std::nullopt});
    frame->setFont(ProgramFont(9, /*bold=*/true));  // the frame's caption

    QLabel* heading =
        Label(frame, "Label2", QStringLiteral("Part Of Fortune :-"), {240, 480, 1710, 195});
    heading->setFont(ProgramFont(8.25, /*bold=*/true));

    // Until a reading writes them, the labels show the texts of the design.
    lblPartOfFortune_ = Label(frame, "lblPartOfFortune", QString(), {2160, 480, 1620, 195});
    lblPartOfFortune_->setFont(ProgramFont(8.25, /*bold=*/true));
    lblPartOfFortune_->setAccessibleName(QStringLiteral("Part of Fortune"));
    ShowResultText(lblPartOfFortune_, QStringLiteral("lblPartOfFortune"));

    const std::string_view leo = InterpretationParagraph(kLeoSignIndex);
    lblPartOfFortuneDesc_ = Paragraph(frame, "lblPartOfFortuneDesc", QString(),
                                      {240, 840, 7575, 1815}, {std::nullopt, kParagraphBlack});
    lblPartOfFortuneDesc_->setAccessibleName(QStringLiteral("Interpretation"));
    ShowResultText(lblPartOfFortuneDesc_,
                   QString::fromUtf8(leo.data(), static_cast<qsizetype>(leo.size())));
    lblPartOfFortuneDesc_->setFont(ProgramFont());
    // Selectable with the mouse (and copied through its context menu), never a Tab stop.
    lblPartOfFortuneDesc_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPartOfFortuneDesc_->setFocusPolicy(Qt::NoFocus);

    cmdExit_ = ResultButton(frame, "cmdExit", "&Exit", "Exit", 6555);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    cmdOK_ = ResultButton(frame, "cmdOK", "&Back", "Back", 5160);
    cmdOK_->setAccessibleDescription(QStringLiteral("Returns to the birth details"));
    connect(cmdOK_, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
}

void frmDisplay::BuildOfferStrip(QWidget* client) {
    // Here the resale offer lies in front.
    AddOfferStrip(client, {"Frame5",
                           {0, 3960, 7935, 855},
                           {120, 160, 7665, 615},
                           {120, 165, 7665, 615},
                           OfferInFront::FullBrand});
}

void frmDisplay::SetPartOfFortune(const QString& caption) {
    ShowResultText(lblPartOfFortune_, caption);
}

void frmDisplay::SetInterpretation(const QString& paragraph) {
    ShowResultText(lblPartOfFortuneDesc_, paragraph);
}

void frmDisplay::SetReading(const ReadingSheet& sheet) {
    sheet_ = sheet;
    if (sheet_->paragraph.isEmpty()) {
        sheet_->paragraph = lblPartOfFortuneDesc_->text();
    }
    for (const char* name :
         {"mnuCopyReading", "mnuSaveReadingPdf", "mnuPrint", "mnuPrintPreview"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(true);
    }
}

void frmDisplay::mnuCopyReading_Click() {
    if (sheet_) {
        QGuiApplication::clipboard()->setMimeData(
            ReadingMimeData(*sheet_, CurrentPlatform().clock.Today()));
    }
}

void frmDisplay::mnuSaveReadingPdf_Click() {
    if (!sheet_) {
        return;
    }
    Platform& platform = CurrentPlatform();
    const QDate made = platform.clock.Today();
    const QString proposed =
        QDir(platform.folders.DocumentsFolder())
            .filePath(ProposedPdfName(QString::fromStdString(sheet_->form.fields.name), made));
    QString path = platform.dialogs.AskSavePath(this, QStringLiteral("Save Reading as PDF"),
                                                proposed, QStringLiteral("PDF documents (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    if (const std::optional<QString> failure = WriteReadingPdf(path, *sheet_, made)) {
        ShowMessage(this,
                    QStringLiteral("The reading could not be saved as \"%1\": %2. No file was "
                                   "written.")
                        .arg(QDir::toNativeSeparators(path), *failure),
                    MessageIcon::Error);
    }
}

void frmDisplay::mnuPrint_Click() {
    if (!sheet_) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(SheetTitle());
    if (CurrentPlatform().dialogs.ChoosePrinter(this, printer)) {
        PrintReadingSheet(printer, *sheet_, CurrentPlatform().clock.Today());
    }
}

void frmDisplay::mnuPrintPreview_Click() {
    if (!sheet_) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(SheetTitle());
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    preview.setWindowTitle(SheetTitle());
    const QDate made = CurrentPlatform().clock.Today();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, made](QPrinter* target) { PrintReadingSheet(*target, *sheet_, made); });
    preview.exec();
}

void frmDisplay::cmdOK_Click() {
    IgnoringErrors([this] { close(); });
    IgnoringErrors([] { windows::Main().show(); });
    IgnoringErrors(HideExitWindow);
}

void frmDisplay::closeEvent(QCloseEvent* event) {
    IgnoringErrors(RunExitHandOff);
    event->accept();
}

void frmDisplay::keyPressEvent(QKeyEvent* event) {
    // Exit is also the cancel button: Esc chooses it wherever the focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdExit_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace fortunix
