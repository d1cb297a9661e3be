#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "shell/WindowRegistry.h"

namespace fortunix::testing {

// Runs the deletions that closed windows have asked for.
inline void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Unloads every window without running a close handler, so the next test starts with none.
inline void UnloadAllWindows() {
    ProcessDeferredDeletes();
    for (QWidget* window : windows::Loaded()) {
        delete window;
    }
}

}  // namespace fortunix::testing
