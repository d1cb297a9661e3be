#pragma once

class QWidget;

namespace fortunix {

// Makes `window`, a plain widget shown as a top-level window, answer assistive technology as
// a window. Qt gives a plain widget the role of a client area, which the Linux accessibility
// bus reports as "filler", so a screen reader never announces the window as one. Call it
// before anything asks for the window's accessibility.
void AnswerAsWindow(QWidget* window);

}  // namespace fortunix
