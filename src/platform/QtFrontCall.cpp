#include "platform/QtFrontCall.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QThread>

#include "platform/InstanceLockFolder.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace fortunix {

namespace {

const QString kCallSuffix = QStringLiteral(".call");

// Long enough for a busy copy to answer, short enough not to hold up the refused start.
constexpr int kWaitMilliseconds = 3000;
constexpr unsigned long kPollMilliseconds = 10;

// Takes away each call waiting in `folder`, bringing the window to the front for each.
void AnswerWaitingCalls(const QString& folder, const std::function<void()>& comeToFront) {
    const QStringList calls =
        QDir(folder).entryList({u'*' + kCallSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& call : calls) {
        comeToFront();
        QFile::remove(folder + u'/' + call);
    }
}

}  // namespace

QString FrontCallAddress(const QString& lockFolder, const QString& executableName) {
    if (lockFolder.isEmpty() || executableName.isEmpty()) {
        return {};
    }
    return lockFolder + u'/' + executableName + QStringLiteral(".calls");
}

QtFrontCall::QtFrontCall(const QString& executableName)
    : QtFrontCall(PerUserLockFolder(), executableName) {}

QtFrontCall::QtFrontCall(const QString& lockFolder, const QString& executableName)
    : address_(FrontCallAddress(lockFolder, executableName)) {}

QtFrontCall::~QtFrontCall() = default;

void QtFrontCall::AnswerCalls(std::function<void()> comeToFront) {
    if (address_.isEmpty() || !QDir().mkpath(address_)) {
        return;  // the program runs on; a later start only gets no answer
    }
    watcher_ = std::make_unique<QFileSystemWatcher>(QStringList{address_});
    const QString folder = address_;
    QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, watcher_.get(),
                     [folder, comeToFront] { AnswerWaitingCalls(folder, comeToFront); });
}

bool QtFrontCall::CallRunningCopy() {
    if (address_.isEmpty() || !QDir(address_).exists()) {
        return false;  // no copy has ever answered here
    }
#ifdef Q_OS_WIN
    // Windows lets only the program the user last worked with bring a window to the front:
    // this start, whose message the user has just closed, hands that right on.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    const QString call =
        address_ + u'/' + QString::number(QCoreApplication::applicationPid()) + kCallSuffix;
    QFile file(call);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    file.close();
    const QDeadlineTimer deadline(kWaitMilliseconds);
    while (QFile::exists(call)) {
        if (deadline.hasExpired()) {
            QFile::remove(call);  // no copy took it: none is listening
            return false;
        }
        QThread::msleep(kPollMilliseconds);
    }
    return true;
}

}  // namespace fortunix
