#pragma once

#include <functional>

class QWidget;

namespace fortunix::test_support {

// What became of the modal window that a step opened.
struct ModalOutcome {
    bool shown = false;     // a modal window came up and was handed to the answer
    bool leftOpen = false;  // it was still open when the safety timer ran out, and was closed
};

// Runs `open`, a step that shows a modal window and waits until it is closed (QDialog::exec,
// a modal look-up). As soon as the window is up, `answer` gets it and is expected to close
// it; should it stay open for `safetyMilliseconds`, it is closed, so that a test fails
// instead of hanging. A step that shows no modal window returns at once, and `answer` is
// never called.
ModalOutcome AnswerModalWindow(const std::function<void()>& open,
                               const std::function<void(QWidget& window)>& answer,
                               int safetyMilliseconds = 5000);

// Closes a modal window as its close box does (a dialog is rejected).
void CloseModalWindow(QWidget& window);

}  // namespace fortunix::test_support
