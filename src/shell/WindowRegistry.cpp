#include "shell/WindowRegistry.h"

#include <QEvent>

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

}  // namespace

void ForgetOnClose(QPointer<QWidget>& slot, QWidget* window) {
    window->installEventFilter(new UnloadWatch(slot, window));
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
