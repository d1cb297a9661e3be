#pragma once

#include <QMainWindow>
#include <optional>

#include "forms/ReadingSheet.h"

class QLabel;
class QPushButton;

namespace fortunix {

// The result window: the Part of Fortune of the last reading and the paragraph of its sign.
// Back returns to the main window; Exit and the close box leave through the exit hand-off.
class frmDisplay : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmDisplay(QWidget* parent = nullptr);

    // Caption of lblPartOfFortune, for example "21º Gemini".
    void SetPartOfFortune(const QString& caption);
    // Caption of lblPartOfFortuneDesc: the interpretation paragraph.
    void SetInterpretation(const QString& paragraph);

    // The reading the sheet of this window shows: its commands copy, save and print it. The
    // paragraph, when the reading has none, is the one the window shows.
    void SetReading(const ReadingSheet& sheet);

    // Back: closes this window and shows the main window alone.
    void cmdOK_Click();

    // The reading sheet: on the clipboard, as a PDF file, on a printer, in a preview. Ctrl+C
    // copies the words selected in the paragraph when there are any, else the reading.
    void mnuCopyReading_Click();
    void mnuSaveReadingPdf_Click();
    void mnuPrint_Click();
    void mnuPrintPreview_Click();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Retranslate();
    void CopyParagraphSelection();
    void ShowParagraphMenu(const QPoint& at);
    // Says why nothing was printed and offers to save the reading as a PDF file: `question`
    // is the whole message, in English.
    void OfferPdfInstead(const char* question);

    void BuildMenus();
    void BuildBanner(QWidget* client);
    void BuildResultFrame(QWidget* client);
    void BuildOfferStrip(QWidget* client);

    QLabel* lblPartOfFortune_ = nullptr;
    QLabel* lblPartOfFortuneDesc_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    std::optional<ReadingSheet> sheet_;
};

}  // namespace fortunix
