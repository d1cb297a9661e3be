#include "platform/QtFrontCall.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include "platform/InstanceLockFolder.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace fortunix {

namespace {

// What a refused start sends, and what the running copy answers once its window is in front.
constexpr char kRequest[] = "front\n";
constexpr char kAnswer[] = "done\n";

// Long enough for a busy copy to answer, short enough not to hold up the refused start.
constexpr int kWaitMilliseconds = 3000;

// Answers each whole request line that has come from `caller`.
void AnswerRequests(QLocalSocket* caller, const std::function<void()>& comeToFront) {
    while (caller->canReadLine()) {
        if (caller->readLine() == kRequest) {
            comeToFront();
            caller->write(kAnswer);
        }
    }
}

}  // namespace

QString FrontCallAddress(const QString& lockFolder, const QString& executableName) {
    if (lockFolder.isEmpty() || executableName.isEmpty()) {
        return {};
    }
#ifdef Q_OS_WIN
    // Named pipes share one name space for the whole machine: the name tells users and their
    // sessions apart, and the pipe's access list lets only the user in.
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    const QByteArray user = QCryptographicHash::hash((lockFolder + u'/' + executableName).toUtf8(),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(32);
    return QStringLiteral("VesperaSoftwares.%1.%2.%3")
        .arg(executableName)
        .arg(session)
        .arg(QString::fromLatin1(user));
#else
    return lockFolder + u'/' + executableName + QStringLiteral(".socket");
#endif
}

QtFrontCall::QtFrontCall(const QString& executableName)
    : QtFrontCall(PerUserLockFolder(), executableName) {}

QtFrontCall::QtFrontCall(const QString& lockFolder, const QString& executableName)
    : address_(FrontCallAddress(lockFolder, executableName)) {}

QtFrontCall::~QtFrontCall() = default;

void QtFrontCall::AnswerCalls(std::function<void()> comeToFront) {
    if (address_.isEmpty()) {
        return;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(address_)) {
        server_.reset();  // the program runs on; a later start only gets no answer
        return;
    }
    QLocalServer* server = server_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, comeToFront] {
        while (QLocalSocket* caller = server->nextPendingConnection()) {
            QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            QObject::connect(caller, &QLocalSocket::readyRead, caller,
                             [caller, comeToFront] { AnswerRequests(caller, comeToFront); });
        }
    });
}

bool QtFrontCall::CallRunningCopy() {
    if (address_.isEmpty()) {
        return false;
    }
#ifdef Q_OS_WIN
    // Windows lets only the program the user last worked with bring a window to the front:
    // this start, whose message the user has just closed, hands that right on.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    QLocalSocket socket;
    socket.connectToServer(address_);
    if (!socket.waitForConnected(kWaitMilliseconds)) {
        return false;
    }
    socket.write(kRequest);
    bool answered = false;
    while (!answered && socket.waitForReadyRead(kWaitMilliseconds)) {
        answered = socket.canReadLine() && socket.readLine() == kAnswer;
    }
    socket.disconnectFromServer();
    return answered;
}

}  // namespace fortunix
