#include <QApplication>

#include "app/Startup.h"
#include "forms/ProgramLanguage.h"
#include "platform/ProgramInfo.h"
#include "platform/QtFrontCall.h"
#include "platform/QtPlatform.h"
#include "platform/RunningCopyMarker.h"
#include "widgets/ProgramStyle.h"

// Wires the Qt implementations of the platform seams to the program and runs it.
int main(int argc, char* argv[]) {
    // First of all, so that an installer started now sees this copy.
    const fortunix::RunningCopyMarker marker;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(fortunix::kProgramName));
    fortunix::UseProgramStyle();

    fortunix::QtMessageBoxes messages;
    fortunix::QtWebOpener web;
    fortunix::QtSettingsStore settings;
    fortunix::QtInstanceLock lock(fortunix::ExecutableName());
    fortunix::QtClock clock;
    fortunix::TimerSeededRandom random;
    fortunix::QtProcessControl process;
    fortunix::QtFrontCall frontCall(fortunix::ExecutableName());
    fortunix::QtUserFolders folders;
    fortunix::QtDocumentDialogs dialogs;
    fortunix::QtClipboard clipboard;
    fortunix::LocalePaper paper;
    fortunix::Platform platform{messages, web,       settings, lock,    clock,     random,
                                process,  frontCall, folders,  dialogs, clipboard, paper};
    fortunix::InstallPlatform(&platform);
    // Before the first message box or window; the saved choice follows once the lock is held.
    fortunix::UseLanguage(fortunix::SystemLanguage());

    // A refused start ends before the event loop, with the status ExitApplication gave.
    if (!fortunix::RunStartup() || process.TerminationRequested()) {
        return process.ExitStatus();
    }
    const int status = QApplication::exec();
    lock.Release();
    return status;
}
