#include "support/LoadedWindows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <utility>

#include "shell/WindowRegistry.h"

namespace fortunix::test_support {

LoggingWindow::LoggingWindow(QString name, QStringList& log, std::function<void()> onClose)
    : name_(std::move(name)), log_(log), onClose_(std::move(onClose)) {
    setAttribute(Qt::WA_DeleteOnClose);
    windows::RegisterLoaded(this);
}

void LoggingWindow::closeEvent(QCloseEvent* event) {
    log_.append(name_);
    if (onClose_) {
        onClose_();
    }
    event->accept();
}

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void UnloadAllWindows() {
    ProcessDeferredDeletes();
    for (QWidget* window : windows::Loaded()) {
        delete window;
    }
}

}  // namespace fortunix::test_support
