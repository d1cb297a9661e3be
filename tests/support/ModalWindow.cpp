#include "support/ModalWindow.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace fortunix::test_support {

void CloseModalWindow(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->reject();
    } else {
        window.close();
    }
}

ModalOutcome AnswerModalWindow(const std::function<void()>& open,
                               const std::function<void(QWidget& window)>& answer,
                               int safetyMilliseconds) {
    ModalOutcome outcome;
    // Timers of this scope: a step that opens nothing leaves none behind to fire later.
    QTimer answering;
    answering.setSingleShot(true);
    QObject::connect(&answering, &QTimer::timeout, [&outcome, &answer] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            outcome.shown = true;
            answer(*window);
        }
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&outcome] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            outcome.leftOpen = true;
            CloseModalWindow(*window);
        }
    });
    answering.start(0);
    safety.start(safetyMilliseconds);
    open();
    return outcome;
}

}  // namespace fortunix::test_support
