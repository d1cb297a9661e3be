#include "platform/RunningCopyMarker.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fortunix {

#ifdef _WIN32

// A mutex that cannot be made (no memory, a name taken by another kind of object) leaves the
// mark out: the program still runs, and the installer then meets its files in use instead.
RunningCopyMarker::RunningCopyMarker()
    : handle_(CreateMutexW(nullptr, FALSE, kRunningCopyMutexName)) {}

RunningCopyMarker::~RunningCopyMarker() {
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
}

#else

RunningCopyMarker::RunningCopyMarker() = default;
RunningCopyMarker::~RunningCopyMarker() = default;

#endif

}  // namespace fortunix
