#pragma once

namespace fortunix {

// The mutex a running Fortunix holds in the user's session. The Windows installer and
// uninstaller look for it, to ask the user to close the program before they change its files
// (the installer's build reads the name from this line).
inline constexpr wchar_t kRunningCopyMutexName[] = L"Local\\VesperaSoftwares.Fortunix.Running";

// Marks this process as a running Fortunix for as long as the object lives. On Windows it
// holds the mutex above, which the system drops with the process however it ends; elsewhere
// it does nothing.
class RunningCopyMarker {
  public:
    RunningCopyMarker();
    ~RunningCopyMarker();
    RunningCopyMarker(const RunningCopyMarker&) = delete;
    RunningCopyMarker& operator=(const RunningCopyMarker&) = delete;

  private:
    void* handle_ = nullptr;
};

}  // namespace fortunix
