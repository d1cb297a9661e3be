#include "shell/WindowRegistry.h"

#include <QApplication>
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

void BringShownToFront() {
    QList<QWidget*> shown;
    for (QWidget* window : Loaded()) {
        if (window->isVisible()) {
            shown.append(window);
        }
    }
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr) {
        shown.removeAll(modal);
        shown.append(modal);
    }
    for (QWidget* window : shown) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
    }
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
