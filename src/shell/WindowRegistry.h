#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace fortunix::windows {

// The program's loaded windows. A window is created (loaded) on first use and kept until it
// is closed; closing deletes it, and using it again loads a fresh one from its design.

// Every loaded window, in the order in which they were loaded.
QList<QWidget*> Loaded();

// Brings the program to the front, as a second start asks: every loaded window on screen
// (the main window, the result window or the refer-a-friend window), restored when
// minimized, then a modal window over them (a message, the About box), the last one raised
// being the active one.
void BringShownToFront();

// Records a newly loaded window; LoadOnFirstUse does this itself.
void RegisterLoaded(QWidget* window);

// Makes `slot` forget `window` as soon as the window closes.
void ForgetOnClose(QPointer<QWidget>& slot, QWidget* window);

// The window held in `slot`, loaded first if there is none.
template <typename Window>
Window& LoadOnFirstUse(QPointer<QWidget>& slot) {
    if (slot.isNull()) {
        auto* window = new Window();
        window->setAttribute(Qt::WA_DeleteOnClose);
        ForgetOnClose(slot, window);
        slot = window;
        RegisterLoaded(window);
    }
    return static_cast<Window&>(*slot);
}

}  // namespace fortunix::windows
