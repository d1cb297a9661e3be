#include "platform/InstanceLockFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace fortunix {

#ifdef Q_OS_WIN

QString PerUserLockFolder() {
    // The known folder of the user's profile, which the environment does not move.
    const QString localData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (localData.isEmpty()) {
        return {};
    }
    const QString folder = localData + QStringLiteral("/Fortunix");
    return QDir().mkpath(folder) ? folder : QString();
}

#else

namespace {

// A real folder (not a link) that belongs to `uid` and that nobody else can enter or change.
bool IsPrivateFolder(const QString& path, uid_t uid) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == uid && (status.st_mode & 077) == 0;
}

// `path` as a private folder of `uid`: made with mode 0700 when missing, closed to others
// when it is the user's own.
bool MakePrivateFolder(const QString& path, uid_t uid) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat status {};
    if (::lstat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != uid) {
        return false;
    }
    return (status.st_mode & 077) == 0 || ::chmod(native.constData(), 0700) == 0;
}

}  // namespace

QString ChoosePerUserLockFolder(unsigned uid, const QString& runtimeBase, const QString& home) {
    const QString runtime = runtimeBase + u'/' + QString::number(uid);
    if (IsPrivateFolder(runtime, uid)) {
        return runtime;
    }
    if (home.isEmpty()) {
        return {};
    }
    const QString cache = home + QStringLiteral("/.cache");
    const QString folder = cache + QStringLiteral("/fortunix-instance");
    if (!QDir().mkpath(cache) || !MakePrivateFolder(folder, uid)) {
        return {};
    }
    return folder;
}

QString PerUserLockFolder() {
    // The account's home from the user database, not $HOME: the environment may differ
    // between two launches by the same user.
    const uid_t uid = ::getuid();
    const struct passwd* account = ::getpwuid(uid);
    const QString home = account != nullptr ? QFile::decodeName(account->pw_dir) : QString();
    return ChoosePerUserLockFolder(uid, QStringLiteral("/run/user"), home);
}

#endif

}  // namespace fortunix
