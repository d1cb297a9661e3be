#pragma once

#include <QMainWindow>

namespace fortunix {

// The birth-data form: the program's main window.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
};

}  // namespace fortunix
