#include "shell/Windows.h"

#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "shell/frmNagScreen2.h"

namespace fortunix::windows {

namespace {

QList<QPointer<QWidget>>& LoadedList() {
    static QList<QPointer<QWidget>> loaded;
    return loaded;
}

template <typename Window>
Window& LoadOnFirstUse(QPointer<Window>& slot) {
    if (slot.isNull()) {
        slot = new Window();
        slot->setAttribute(Qt::WA_DeleteOnClose);
        RegisterLoaded(slot.data());
    }
    return *slot;
}

QPointer<frmMain> mainWindow;
QPointer<frmDisplay> displayWindow;
QPointer<frmNagScreen2> nagScreenWindow;

}  // namespace

frmMain& Main() {
    return LoadOnFirstUse(mainWindow);
}
bool IsMainLoaded() {
    return !mainWindow.isNull();
}

frmDisplay& Display() {
    return LoadOnFirstUse(displayWindow);
}
bool IsDisplayLoaded() {
    return !displayWindow.isNull();
}

frmNagScreen2& NagScreen() {
    return LoadOnFirstUse(nagScreenWindow);
}
bool IsNagScreenLoaded() {
    return !nagScreenWindow.isNull();
}

void RegisterLoaded(QWidget* window) {
    LoadedList().append(window);
}

QList<QWidget*> Loaded() {
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : LoadedList()) {
        if (!window.isNull()) {
            windows.append(window.data());
        }
    }
    return windows;
}

}  // namespace fortunix::windows
