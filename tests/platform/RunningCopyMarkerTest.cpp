#include <gtest/gtest.h>

#include "platform/RunningCopyMarker.h"

#ifdef _WIN32
#include <windows.h>

namespace fortunix {
namespace {

// What the installer asks: can the mutex be opened?
bool InstallerSeesARunningCopy() {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kRunningCopyMutexName);
    if (mutex == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;  // held under another account
    }
    CloseHandle(mutex);
    return true;
}

TEST(RunningCopyMarker, TheInstallerSeesTheMarkWhileAnyCopyHoldsItAndNotAfter) {
    ASSERT_FALSE(InstallerSeesARunningCopy());
    {
        const RunningCopyMarker first;
        EXPECT_TRUE(InstallerSeesARunningCopy());
        { const RunningCopyMarker refusedSecondCopy; }
        EXPECT_TRUE(InstallerSeesARunningCopy()) << "a second copy's end took the first one's mark";
    }
    EXPECT_FALSE(InstallerSeesARunningCopy());
}

}  // namespace
}  // namespace fortunix
#endif
