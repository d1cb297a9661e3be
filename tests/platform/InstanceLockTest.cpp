#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/InstanceLockFolder.h"
#include "platform/QtFrontCall.h"
#include "platform/QtPlatform.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fortunix {
namespace {

// Sets the modification time of `path` an hour back, as a file left by an earlier run.
void AgeByAnHour(const QString& path) {
#ifdef Q_OS_WIN
    // Windows keeps a held lock file closed to writers; its times can still be set through a
    // handle that asks for attributes only.
    const HANDLE handle =
        ::CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), FILE_WRITE_ATTRIBUTES,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << path.toStdString();
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time;
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= 3600ULL * 10000000ULL;  // in 100-nanosecond steps
    const FILETIME anHourAgo{time.LowPart, time.HighPart};
    const bool set = ::SetFileTime(handle, nullptr, nullptr, &anHourAgo) != 0;
    ::CloseHandle(handle);
    ASSERT_TRUE(set) << path.toStdString();
#else
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
#endif
}

class InstanceLockFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(scratch.isValid()); }
    QString LockPath() const { return scratch.filePath(QStringLiteral("fortunix.lock")); }
    QTemporaryDir scratch;
};

TEST_F(InstanceLockFile, AFileWithoutAReadableHolderDoesNotRefuseForGood) {
    // Left empty or torn by a crash or a power loss during its write.
    for (const QByteArray& contents : {QByteArray(), QByteArray("not a process id\n")}) {
        QFile file(LockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        AgeByAnHour(LockPath());

        QtInstanceLock lock(scratch.path(), QStringLiteral("fortunix"));
        EXPECT_TRUE(lock.TryAcquire()) << contents.constData();
        lock.Release();
    }
}

TEST_F(InstanceLockFile, ALiveHolderRefusesHoweverOldItsFile) {
    QLockFile holder(LockPath());
    ASSERT_TRUE(holder.tryLock(0));
    AgeByAnHour(LockPath());

    QtInstanceLock second(scratch.path(), QStringLiteral("fortunix"));
    EXPECT_FALSE(second.TryAcquire());
}

TEST_F(InstanceLockFile, OnlyAnotherCopyRefusesTheStart) {
    QFile notAFolder(scratch.filePath(QStringLiteral("file")));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    const struct {
        const char* name;
        QString folder;
    } rows[] = {
        {"no lock folder to be had", QString()},
        {"lock folder missing", scratch.filePath(QStringLiteral("missing"))},
        {"a file where the folder should be", notAFolder.fileName()},
    };
    for (const auto& row : rows) {
        QtInstanceLock lock(row.folder, QStringLiteral("fortunix"));
        EXPECT_TRUE(lock.TryAcquire()) << row.name;
    }
}

#ifndef Q_OS_WIN
TEST_F(InstanceLockFile, PerUserFolderIsTheRuntimeFolderOnlyWhenItIsPrivate) {
    const unsigned uid = ::getuid();
    const QString runtimeBase = scratch.filePath(QStringLiteral("run"));
    const QString runtime = runtimeBase + u'/' + QString::number(uid);
    const QString home = scratch.filePath(QStringLiteral("home"));
    const QString cacheFolder = home + QStringLiteral("/.cache/fortunix-instance");
    ASSERT_TRUE(QDir().mkpath(runtime));
    const struct {
        const char* name;
        mode_t runtimeMode;
        QString expected;
    } rows[] = {
        {"private runtime folder", 0700, runtime},
        {"runtime folder open to others", 0755, cacheFolder},
        {"runtime folder others may write", 0733, cacheFolder},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), row.runtimeMode), 0);
        EXPECT_EQ(ChoosePerUserLockFolder(uid, runtimeBase, home), row.expected) << row.name;
    }
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(cacheFolder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u) << "the folder in the cache is the user's alone";
}

mode_t ModeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

// The folder in the cache, found open to others (an older copy, a umask), is closed to them
// and used; one that is not the user's own is never used nor changed. Folders here belong to
// the user running the test: asked for another user, each is someone else's.
TEST_F(InstanceLockFile, PerUserFolderInTheCacheIsClosedOrRefusedNeverShared) {
    const unsigned uid = ::getuid();
    const QString runtimeBase = scratch.filePath(QStringLiteral("run"));
    const QString otherRuntime = runtimeBase + u'/' + QString::number(uid + 1);
    const QString home = scratch.filePath(QStringLiteral("home"));
    const QString cacheFolder = home + QStringLiteral("/.cache/fortunix-instance");
    ASSERT_TRUE(QDir().mkpath(otherRuntime));
    ASSERT_EQ(::chmod(QFile::encodeName(otherRuntime).constData(), 0700), 0);
    ASSERT_TRUE(QDir().mkpath(cacheFolder));
    ASSERT_EQ(::chmod(QFile::encodeName(cacheFolder).constData(), 0755), 0);

    EXPECT_EQ(ChoosePerUserLockFolder(uid + 1, runtimeBase, home), QString())
        << "another user's folder";
    EXPECT_EQ(ModeOf(cacheFolder), 0755u) << "another user's folder is left as it was";

    EXPECT_EQ(ChoosePerUserLockFolder(uid, runtimeBase, home), cacheFolder) << "open to others";
    EXPECT_EQ(ModeOf(cacheFolder), 0700u) << "closed to others, not given up";
}

// A link where a folder should be is never followed, though it leads to a private folder of
// the user's own.
TEST_F(InstanceLockFile, PerUserFolderIsNeverALink) {
    const unsigned uid = ::getuid();
    const QString target = scratch.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(target));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0700), 0);
    const QString runtimeBase = scratch.filePath(QStringLiteral("run"));
    const QString runtime = runtimeBase + u'/' + QString::number(uid);
    const QString home = scratch.filePath(QStringLiteral("home"));
    const QString cacheFolder = home + QStringLiteral("/.cache/fortunix-instance");
    ASSERT_TRUE(QDir().mkpath(runtimeBase));
    ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("/.cache")));
    ASSERT_TRUE(QFile::link(target, runtime));
    ASSERT_TRUE(QFile::link(target, cacheFolder));

    EXPECT_EQ(ChoosePerUserLockFolder(uid, runtimeBase, home), QString());
    EXPECT_EQ(ModeOf(target), 0700u);
}
#endif

// Without a copy answering, or without a lock folder, a call finds no one, at once.
TEST_F(InstanceLockFile, ACallWithNoCopyAnsweringFindsNoOne) {
    QtFrontCall nobody(scratch.path(), QStringLiteral("fortunix"));
    EXPECT_FALSE(nobody.CallRunningCopy());
    EXPECT_EQ(FrontCallAddress(QString(), QStringLiteral("fortunix")), QString());
    QtFrontCall noFolder(QString(), QStringLiteral("fortunix"));
    noFolder.AnswerCalls([] {});
    EXPECT_FALSE(noFolder.CallRunningCopy());
}

// Calls wait in a folder of the user's lock folder; a call that no copy takes is withdrawn,
// so a copy that crashed leaves no call for the next one to answer.
TEST_F(InstanceLockFile, AnUnansweredCallIsWithdrawn) {
    const QString address = FrontCallAddress(scratch.path(), QStringLiteral("fortunix"));
    EXPECT_EQ(address, scratch.filePath(QStringLiteral("fortunix.calls")));
    ASSERT_TRUE(QDir().mkpath(address));  // as a crashed copy leaves it
    QtFrontCall caller(scratch.path(), QStringLiteral("fortunix"));
    EXPECT_FALSE(caller.CallRunningCopy());
    EXPECT_EQ(QDir(address).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Runs copies of the probe, which takes the same lock as the program, in separate
// processes. The lock sits in the user's own folder, so every test runs the probe under a
// name of its own and meets neither a real Fortunix nor another run of this test.
class InstanceLock : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        probe = CopyOfProbe();
    }

    void TearDown() override {
        for (QProcess* holder : holders) {
            holder->kill();
            holder->waitForFinished(5000);
            delete holder;
        }
        for (const QString& name : names) {  // left by a killed copy
            QFile::remove(PerUserLockFolder() + u'/' + name + QStringLiteral(".lock"));
            QDir(FrontCallAddress(PerUserLockFolder(), name)).removeRecursively();
        }
    }

    QString CopyOfProbe() {
        names.append(QStringLiteral("fortunix_probe_%1_%2")
                         .arg(QCoreApplication::applicationPid())
                         .arg(names.size()));
#ifdef Q_OS_WIN
        const QString path = scratch.filePath(names.back() + QStringLiteral(".exe"));
#else
        const QString path = scratch.filePath(names.back());
#endif
        return QFile::copy(QStringLiteral(FORTUNIX_INSTANCE_PROBE), path) ? path : QString();
    }

    // Starts a copy that keeps the lock if it gets it; returns its first line.
    QString StartHolder(const QString& program, const QProcessEnvironment& environment =
                                                    QProcessEnvironment::systemEnvironment()) {
        auto* process = new QProcess;
        holders.append(process);
        process->setProcessEnvironment(environment);
        process->start(program, {QStringLiteral("hold")});
        if (!process->waitForReadyRead(10000)) {
            return QStringLiteral("(no answer)");
        }
        return QString::fromLatin1(process->readLine()).trimmed();
    }

    QString RunOnce(const QString& program, const QProcessEnvironment& environment =
                                                QProcessEnvironment::systemEnvironment()) {
        return RunOnce(program, {}, environment);
    }

    // Its lines joined by spaces.
    QString RunOnce(
        const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(20000)) {
            return QStringLiteral("(no answer)");
        }
        return QString::fromLatin1(process.readAllStandardOutput()).simplified();
    }

    // The next line a holder writes, waiting at most `milliseconds` for it.
    static QString NextLine(QProcess* holder, int milliseconds = 10000) {
        if (!holder->canReadLine() && !holder->waitForReadyRead(milliseconds)) {
            return QStringLiteral("(nothing)");
        }
        return QString::fromLatin1(holder->readLine()).trimmed();
    }

    QTemporaryDir scratch;
    QString probe;
    QStringList names;
    QList<QProcess*> holders;
};

TEST_F(InstanceLock, SecondCopyIsRefusedWhileTheFirstRunsOn) {
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));

    EXPECT_EQ(RunOnce(probe), QStringLiteral("refused"));
    EXPECT_EQ(RunOnce(probe), QStringLiteral("refused"));
    EXPECT_EQ(holders[0]->state(), QProcess::Running);
}

TEST_F(InstanceLock, SameUserLaunchingFromAnotherEnvironmentIsRefused) {
    QProcessEnvironment moved = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"XDG_RUNTIME_DIR", "HOME", "XDG_CACHE_HOME", "LOCALAPPDATA"}) {
        moved.insert(QString::fromLatin1(variable), scratch.path());
    }
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    bare.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    ASSERT_EQ(StartHolder(probe, moved), QStringLiteral("acquired"));

    EXPECT_EQ(RunOnce(probe, bare), QStringLiteral("refused"));
}

TEST_F(InstanceLock, CopyKilledWithoutCleanUpDoesNotBlockTheNextStart) {
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));
    holders[0]->kill();  // SIGKILL: no chance to remove its lock file
    ASSERT_TRUE(holders[0]->waitForFinished(5000));

    EXPECT_EQ(RunOnce(probe), QStringLiteral("acquired"));
}

TEST_F(InstanceLock, CopyUnderAnotherFileNameIsNotRefused) {
    const QString renamed = CopyOfProbe();
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));

    EXPECT_EQ(RunOnce(renamed), QStringLiteral("acquired"));
    EXPECT_EQ(RunOnce(probe), QStringLiteral("refused"));
}

// A refused start calls the running copy, which comes to the front and says so; every later
// start does the same.
TEST_F(InstanceLock, RefusedStartCallsTheRunningCopyToTheFront) {
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));

    for (int start = 0; start < 2; ++start) {
        EXPECT_EQ(RunOnce(probe, {QStringLiteral("call")}), QStringLiteral("refused answered"))
            << start;
        EXPECT_EQ(NextLine(holders[0]), QStringLiteral("front")) << start;
    }
}

TEST_F(InstanceLock, CopyKilledWithoutCleanUpLeavesTheNextOneReachable) {
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));
    holders[0]->kill();  // its call folder stays behind
    ASSERT_TRUE(holders[0]->waitForFinished(5000));
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));

    EXPECT_EQ(RunOnce(probe, {QStringLiteral("call")}), QStringLiteral("refused answered"));
    EXPECT_EQ(NextLine(holders[1]), QStringLiteral("front"));
}

TEST_F(InstanceLock, CopyUnderAnotherFileNameIsNotCalled) {
    const QString renamed = CopyOfProbe();
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));
    ASSERT_EQ(StartHolder(renamed), QStringLiteral("acquired"));

    EXPECT_EQ(RunOnce(renamed, {QStringLiteral("call")}), QStringLiteral("refused answered"));
    EXPECT_EQ(NextLine(holders[1]), QStringLiteral("front"));
    EXPECT_EQ(NextLine(holders[0], 1000), QStringLiteral("(nothing)"));
}

TEST_F(InstanceLock, LockIsFreeAgainAfterANormalEnd) {
    EXPECT_EQ(RunOnce(probe), QStringLiteral("acquired"));
    EXPECT_EQ(RunOnce(probe), QStringLiteral("acquired"));
}

}  // namespace
}  // namespace fortunix
