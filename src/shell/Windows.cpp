#include "shell/Windows.h"

#include <QEvent>

#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"

namespace fortunix::windows {

namespace {

QList<QPointer<QWidget>>& LoadedList() {
    static QList<QPointer<QWidget>> loaded;
    return loaded;
}

// A closed window is deleted only when the event loop next runs. The registry forgets it
// as soon as it closes, so that using the window again in the same handler (Back closes the
// result window, then a reading may follow at once) loads a fresh one. None of the program's
// windows refuses to close, so a close event always means the window is going.
class UnloadWatch final : public QObject {
  public:
    UnloadWatch(QPointer<QWidget>& slot, QWidget* window) : QObject(window), slot_(slot) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && watched == slot_.data()) {
            LoadedList().removeAll(slot_);
            slot_.clear();
        }
        return false;
    }

  private:
    QPointer<QWidget>& slot_;
};

template <typename Window>
Window& LoadOnFirstUse(QPointer<QWidget>& slot) {
    if (slot.isNull()) {
        auto* window = new Window();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(new UnloadWatch(slot, window));
        slot = window;
        RegisterLoaded(window);
    }
    return static_cast<Window&>(*slot);
}

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
