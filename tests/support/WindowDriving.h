#pragma once

#include <QString>
#include <QWidget>
#include <Qt>
#include <stdexcept>
#include <string>

class QMenu;

namespace fortunix::test_support {

// A control of `window` by its design name. A missing control throws, so that a test fails
// and the screenshot tool stops with the control's name rather than at a null pointer.
template <typename Widget>
Widget* Child(const QWidget* window, const char* name) {
    auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return widget;
}

// Presses `key` with its `text` in `control`, as typing it does.
void TypeKey(QWidget* control, Qt::Key key, const QString& text);

// The menu `name` of `window`, opened below its menu bar as a click on it opens it.
QMenu* OpenMenu(QWidget* window, const char* name);

// Closes every open menu.
void CloseMenus();

}  // namespace fortunix::test_support
