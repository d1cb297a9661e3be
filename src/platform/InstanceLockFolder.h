#pragma once

#include <QString>

namespace fortunix {

// Where this user's single-instance lock lives: the same folder for every launch by the
// user, whatever the environment it is launched from, and out of other users' reach. Empty
// when no such folder can be had; the program then runs without the guard.
//
// Linux and other POSIX systems: the user's runtime folder /run/user/<uid> when it exists,
// belongs to the user and is closed to others (0700); otherwise the folder
// .cache/fortunix-instance in the home folder of the user's account, made 0700. Windows: the
// folder Fortunix in the user's local application data.
QString PerUserLockFolder();

#ifndef Q_OS_WIN
// The POSIX choice above for the user `uid`, with the runtime folders under `runtimeBase`
// and the account's home folder `home`, so that it can be tried on scratch folders.
QString ChoosePerUserLockFolder(unsigned uid, const QString& runtimeBase, const QString& home);
#endif

}  // namespace fortunix
