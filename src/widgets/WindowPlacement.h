#pragma once

#include <QtCore/qnamespace.h>

class QMainWindow;
class QWidget;

namespace fortunix {

// Moves a top-level window to the middle of the available area of its screen.
void CentreOnScreen(QWidget* window);

// Centres a top-level window on its screen when it is first shown; later it stays where the
// user put it.
void CentreOnFirstShow(QWidget* window);

// Window flags of the program's fixed-size windows: title bar, system menu and close box,
// no minimise or maximise box.
inline constexpr auto kFixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowCloseButtonHint;

// Gives a fixed-size program window its name, caption, icon, font and focus colour, a
// client area of the given size in twips and its place in the middle of the screen on first
// show; returns the client area for its controls.
QWidget* SetUpFixedWindow(QMainWindow* window, const char* name, int clientWidthTwips,
                          int clientHeightTwips);

// Once the menus and controls are in place: the window takes the size they need, no more.
void FixWindowSize(QMainWindow* window);

}  // namespace fortunix
