#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace fortunix {

class frmMain;
class frmDisplay;

// The program's windows, each created (loaded) on first use and kept until it is closed.
// Closing a window deletes it; using it again loads a fresh one from its design.
namespace windows {

frmMain& Main();
bool IsMainLoaded();

frmDisplay& Display();
bool IsDisplayLoaded();

// Every loaded window, in the order in which they were loaded.
QList<QWidget*> Loaded();

// Records a newly loaded window; the windows above do this themselves.
void RegisterLoaded(QWidget* window);

}  // namespace windows
}  // namespace fortunix
