#include "shell/frmAbout.h"

namespace fortunix {

void ShowAboutBox(QWidget*) {}

}  // namespace fortunix
