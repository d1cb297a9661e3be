#include "forms/frmMain.h"

namespace fortunix {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Fortunix v1.30"));
}

}  // namespace fortunix
