#pragma once

class QWidget;

namespace fortunix {

// Shows the about box modally over `caller`; the caller waits until it is closed.
void ShowAboutBox(QWidget* caller);

}  // namespace fortunix
