#pragma once

#include <QDialog>

class QWidget;

namespace fortunix {

// The about box: the program's name, version and purpose, two links and a credit to Qt.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);

  private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();
};

// Shows the about box modally over `caller`; the caller waits until it is closed. The menu
// item that calls it ignores any error in showing it.
void ShowAboutBox(QWidget* caller);

}  // namespace fortunix
