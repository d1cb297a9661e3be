#pragma once

#include <QMainWindow>

namespace fortunix {

// The result window.
class frmDisplay : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmDisplay(QWidget* parent = nullptr);
};

}  // namespace fortunix
