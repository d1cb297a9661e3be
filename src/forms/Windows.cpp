#include "forms/Windows.h"

#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"

namespace fortunix::windows {

namespace {
QPointer<QWidget> mainWindow;
QPointer<QWidget> displayWindow;
QPointer<QWidget> nagScreenWindow;
}  // namespace

frmMain& Main() {
    return LoadOnFirstUse<frmMain>(mainWindow);
}
bool IsMainLoaded() {
    return !mainWindow.isNull();
}

frmDisplay& Display() {
    return LoadOnFirstUse<frmDisplay>(displayWindow);
}
bool IsDisplayLoaded() {
    return !displayWindow.isNull();
}

frmNagScreen2& NagScreen() {
    return LoadOnFirstUse<frmNagScreen2>(nagScreenWindow);
}
bool IsNagScreenLoaded() {
    return !nagScreenWindow.isNull();
}

}  // namespace fortunix::windows
