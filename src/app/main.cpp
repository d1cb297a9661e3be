#include <QApplication>

#include "forms/frmMain.h"
#include "shell/QtPlatform.h"
#include "shell/Windows.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fortunix"));

    fortunix::QtMessageBoxes messages;
    fortunix::QtWebOpener web;
    fortunix::QtSettingsStore settings;
    fortunix::QtInstanceLock lock(fortunix::ExecutableName());
    fortunix::QtClock clock;
    fortunix::TimerSeededRandom random;
    fortunix::QtProcessControl process;
    fortunix::Platform platform{messages, web, settings, lock, clock, random, process};
    fortunix::InstallPlatform(&platform);

    fortunix::windows::Main().show();
    return QApplication::exec();
}
