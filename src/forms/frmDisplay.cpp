#include "forms/frmDisplay.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <string_view>

#include "ephemeris/DegreeSignTable.h"
#include "forms/ExitHandOff.h"
#include "forms/LinkStrips.h"
#include "forms/ProgramLanguage.h"
#include "forms/ReadingExport.h"
#include "forms/ReadingTexts.h"
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
#include "widgets/Utf8Text.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowTexts.h"

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
    TranslateWindowTexts(this);
}

void frmDisplay::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "&File")));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, "mnuFileBack", QT_TRANSLATE_NOOP("Fortunix", "&Back")),
            &QAction::triggered, this, &frmDisplay::cmdOK_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuReadingSep1"));
    const struct {
        const char* name;
        const char* caption;
        QKeySequence keys;
        void (frmDisplay::*handler)();
    } readingItems[] = {
        {"mnuCopyReading", QT_TRANSLATE_NOOP("Fortunix", "&Copy Reading"),
         QKeySequence(Qt::CTRL | Qt::Key_C), &frmDisplay::mnuCopyReading_Click},
        {"mnuSaveReadingPdf", QT_TRANSLATE_NOOP("Fortunix", "&Save Reading as PDF…"),
         QKeySequence(Qt::CTRL | Qt::Key_S), &frmDisplay::mnuSaveReadingPdf_Click},
        {"mnuPrint", QT_TRANSLATE_NOOP("Fortunix", "&Print…"), QKeySequence(Qt::CTRL | Qt::Key_P),
         &frmDisplay::mnuPrint_Click},
        {"mnuPrintPreview", QT_TRANSLATE_NOOP("Fortunix", "Print Pre&view…"), QKeySequence(),
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
    connect(AddMenuItem(file, "mnuExit", QT_TRANSLATE_NOOP("Fortunix", "E&xit")),
            &QAction::triggered, this, &QWidget::close);

    AddHelpAndOfferMenus(this, {"mnuFileSep1", "mnuFileSep2",
                                QT_TRANSLATE_NOOP("Fortunix", "&Check for Software Update")});
}

void frmDisplay::BuildBanner(QWidget* client) {
    AddBannerStrip(client, {"Frame2", {0, 0, 7935, 615}, {127, 120, 7680, 465}});
}

void frmDisplay::BuildResultFrame(QWidget* client) {
    QGroupBox* frame =
        Frame(client, "Frame1", QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Fortunix Result")),
              {0, 600, 7935, 3375}, {kSkyBlue, std::nullopt});
    frame->setFont(ProgramFont(9, /*bold=*/true));  // the frame's caption

    QLabel* heading = Label(frame, "Label2",
                            QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Part Of Fortune :-")),
                            {240, 480, 1710, 195});
    heading->setFont(ProgramFont(8.25, /*bold=*/true));

    // Until a reading writes them, the labels show the texts of the design.
    lblPartOfFortune_ = Label(frame, "lblPartOfFortune", QString(), {2160, 480, 1620, 195});
    lblPartOfFortune_->setFont(ProgramFont(8.25, /*bold=*/true));
    KeepOnOneLine(heading, lblPartOfFortune_);
    lblPartOfFortune_->setAccessibleName(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Part of Fortune")));
    ShowResultText(lblPartOfFortune_, QStringLiteral("lblPartOfFortune"));

    lblPartOfFortuneDesc_ = Paragraph(frame, "lblPartOfFortuneDesc", QString(),
                                      {240, 840, 7575, 1815}, {std::nullopt, kParagraphBlack});
    lblPartOfFortuneDesc_->setAccessibleName(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Interpretation")));
    ShowResultText(lblPartOfFortuneDesc_, InterpretationParagraphText(kLeoSignIndex));
    lblPartOfFortuneDesc_->setFont(ProgramFont());
    // Selectable with the mouse (and copied through its context menu), never a Tab stop.
    lblPartOfFortuneDesc_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPartOfFortuneDesc_->setFocusPolicy(Qt::NoFocus);
    lblPartOfFortuneDesc_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lblPartOfFortuneDesc_, &QWidget::customContextMenuRequested, this,
            &frmDisplay::ShowParagraphMenu);

    cmdExit_ = ResultButton(frame, "cmdExit", QT_TRANSLATE_NOOP("Fortunix", "&Exit"),
                            QT_TRANSLATE_NOOP("Fortunix", "Exit"), 6555);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    cmdOK_ = ResultButton(frame, "cmdOK", QT_TRANSLATE_NOOP("Fortunix", "&Back"),
                          QT_TRANSLATE_NOOP("Fortunix", "Back"), 5160);
    cmdOK_->setAccessibleDescription(
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Returns to the birth details")));
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
    if (LanguageInUse() != QLatin1String(kEnglish)) {
        FitTranslatedTexts(this);  // a paragraph longer than the English ones
    }
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
        CurrentPlatform().clipboard.Put(ReadingMimeData(*sheet_, CurrentPlatform().clock.Today()));
    }
}

void frmDisplay::CopyParagraphSelection() {
    auto* selection = new QMimeData;
    selection->setText(lblPartOfFortuneDesc_->selectedText());
    CurrentPlatform().clipboard.Put(selection);
}

void frmDisplay::ShowParagraphMenu(const QPoint& at) {
    // Built here rather than by the label, so that Copy goes through the program's clipboard.
    auto* menu = new QMenu(lblPartOfFortuneDesc_);
    menu->setObjectName(QStringLiteral("mnuParagraph"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = AddMenuItem(menu, "mnuParagraphCopy", QT_TRANSLATE_NOOP("Fortunix", "&Copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(lblPartOfFortuneDesc_->hasSelectedText());
    connect(copy, &QAction::triggered, this, &frmDisplay::CopyParagraphSelection);
    connect(
        AddMenuItem(menu, "mnuParagraphSelectAll", QT_TRANSLATE_NOOP("Fortunix", "Select &All")),
        &QAction::triggered, this, [this] {
            lblPartOfFortuneDesc_->setSelection(
                0, static_cast<int>(lblPartOfFortuneDesc_->text().size()));
        });
    TranslateWindowTexts(menu);
    menu->popup(lblPartOfFortuneDesc_->mapToGlobal(at));
}

void frmDisplay::mnuSaveReadingPdf_Click() {
    if (!sheet_) {
        return;
    }
    Platform& platform = CurrentPlatform();
    const QDate made = platform.clock.Today();
    const QString documents = platform.folders.DocumentsFolder();
    const QString folder = QFileInfo(documents).isDir() ? documents : platform.folders.HomeFolder();
    const QString proposed = QDir(folder).filePath(
        ProposedPdfName(QString::fromStdString(sheet_->form.fields.name), made));
    const QString chosen = platform.dialogs.AskSavePath(
        this, QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Save Reading as PDF")), proposed,
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "PDF documents (*.pdf)")));
    if (chosen.isEmpty()) {
        return;
    }
    // The dialog asked about the name as typed; a file under the name with ".pdf" added it
    // never saw.
    const QString path = PdfPathFor(chosen);
    if (path != chosen && QFileInfo::exists(path) &&
        ShowMessage(this,
                    QCoreApplication::translate("Fortunix",
                                                "\"%1\" already exists. Do you want to replace it?")
                        .arg(QDir::toNativeSeparators(path)),
                    MessageIcon::Information, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    const QPageSize paper = SheetPaper(platform.paper.UsersPaper(), QLocale::system().territory());
    if (const std::optional<QString> failure = WriteReadingPdf(path, *sheet_, made, paper)) {
        ShowMessage(
            this,
            QCoreApplication::translate("Fortunix",
                                        "The reading could not be saved as \"%1\": %2. No file was "
                                        "written.")
                .arg(QDir::toNativeSeparators(path), *failure),
            MessageIcon::Error);
    }
}

void frmDisplay::mnuPrint_Click() {
    if (!sheet_) {
        return;
    }
    Platform& platform = CurrentPlatform();
    if (!platform.dialogs.HasPrinter()) {
        OfferPdfInstead(QT_TRANSLATE_NOOP(
            "Fortunix", "No printer is installed. Do you want to save it as a PDF file instead?"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(SheetTitle());
    if (platform.dialogs.ChoosePrinter(this, printer) &&
        !PrintReadingSheet(printer, *sheet_, platform.clock.Today())) {
        OfferPdfInstead(QT_TRANSLATE_NOOP(
            "Fortunix",
            "The reading could not be printed. Do you want to save it as a PDF file instead?"));
    }
}

void frmDisplay::OfferPdfInstead(const char* question) {
    if (ShowMessage(this, QString::fromUtf8(question), MessageIcon::Error, MessageButtons::YesNo) ==
        MessageAnswer::Yes) {
        mnuSaveReadingPdf_Click();
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

// The window's texts, and the reading shown, in the language now in use; the sheet's copy,
// PDF and print follow.
void frmDisplay::Retranslate() {
    if (sheet_) {
        sheet_->caption = DegreeInSignCaption(sheet_->fortuneDegrees);
        sheet_->paragraph = InterpretationParagraphText(SignIndexOfDegree(sheet_->fortuneDegrees));
        ShowResultText(lblPartOfFortune_, sheet_->caption);
        ShowResultText(lblPartOfFortuneDesc_, sheet_->paragraph);
    } else {
        ShowResultText(lblPartOfFortuneDesc_, InterpretationParagraphText(kLeoSignIndex));
    }
    TranslateWindowTexts(this);  // fits the reading's texts too
}

bool frmDisplay::event(QEvent* event) {
    // With words of the paragraph selected, Ctrl+C is theirs rather than Copy Reading's: the
    // key then comes as a key press instead of the menu's shortcut.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        lblPartOfFortuneDesc_->hasSelectedText()) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QMainWindow::event(event);
}

void frmDisplay::keyPressEvent(QKeyEvent* event) {
    // Exit is also the cancel button: Esc chooses it wherever the focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdExit_->click();
        return;
    }
    if (event->matches(QKeySequence::Copy) && lblPartOfFortuneDesc_->hasSelectedText()) {
        CopyParagraphSelection();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace fortunix
