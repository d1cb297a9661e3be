// Takes the program's single-instance lock under this executable's own name and reports
// the outcome: "acquired" or "refused". With the argument "hold" it keeps the lock until it
// is killed, and answers calls from later starts as the program does, with a line "front"
// for each. With the argument "call", a refused copy then calls the running one and reports
// "answered" or "unanswered".
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "platform/QtFrontCall.h"
#include "platform/QtPlatform.h"

namespace {

void Report(const char* line) {
    std::puts(line);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QString name = fortunix::ExecutableName();
    fortunix::QtInstanceLock lock(name);
    fortunix::QtFrontCall frontCall(name);
    const bool acquired = lock.TryAcquire();
    Report(acquired ? "acquired" : "refused");
    const char* mode = argc > 1 ? argv[1] : "";
    if (acquired && std::strcmp(mode, "hold") == 0) {
        frontCall.AnswerCalls([] { Report("front"); });
        return QCoreApplication::exec();
    }
    if (!acquired && std::strcmp(mode, "call") == 0) {
        Report(frontCall.CallRunningCopy() ? "answered" : "unanswered");
    }
    return acquired ? 0 : 1;
}
