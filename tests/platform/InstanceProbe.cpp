// Takes the program's single-instance lock under this executable's own name and reports
// the outcome: "acquired" or "refused". With the argument "hold" it keeps the lock until it
// is killed.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/QtPlatform.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    fortunix::QtInstanceLock lock(fortunix::ExecutableName());
    const bool acquired = lock.TryAcquire();
    std::puts(acquired ? "acquired" : "refused");
    std::fflush(stdout);
    if (acquired && argc > 1 && std::strcmp(argv[1], "hold") == 0) {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    }
    return acquired ? 0 : 1;
}
