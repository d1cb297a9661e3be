#include "forms/frmDisplay.h"

namespace fortunix {

frmDisplay::frmDisplay(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Fortunix v1.30"));
}

}  // namespace fortunix
