#pragma once

class QWidget;

namespace fortunix {

// Makes `box`, a text box placed where its container shows none of it, answer assistive
// technology as what it is to the eye: there but out of sight (invisible and off screen),
// so that a screen reader passes over it as it passes over a hidden control. It keeps its
// name and role and can still take the focus. Call it before anything asks for the box's
// accessibility.
void AnswerAsOutOfSight(QWidget* box);

}  // namespace fortunix
