#pragma once

#include <QtCore/qnamespace.h>

class QWidget;

namespace fortunix {

// Moves a top-level window to the middle of the available area of its screen.
void CentreOnScreen(QWidget* window);

// Window flags of the program's fixed-size windows: title bar, system menu and close box,
// no minimise or maximise box.
inline constexpr auto kFixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowCloseButtonHint;

}  // namespace fortunix
