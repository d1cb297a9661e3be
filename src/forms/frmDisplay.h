#pragma once

#include <QMainWindow>

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

    // Back: closes this window and shows the main window alone.
    void cmdOK_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildMenus();
    void BuildBanner(QWidget* client);
    void BuildResultFrame(QWidget* client);
    void BuildOfferStrip(QWidget* client);

    QLabel* lblPartOfFortune_ = nullptr;
    QLabel* lblPartOfFortuneDesc_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace fortunix
