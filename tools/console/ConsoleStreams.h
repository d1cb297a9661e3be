#pragma once

#include <memory>

namespace fortunix::console {

class ConsoleBuffer;

// For the life of the object, std::cout and std::cerr show their UTF-8 text as characters
// when they are a Windows console, whatever its code page ("München", "21º"). Written to a
// pipe or a file, and on every other system, they stay as they are: UTF-8 bytes. Made first
// thing in main, before anything is written.
class ConsoleStreams {
  public:
    ConsoleStreams();
    ~ConsoleStreams();  // writes out what is left and puts the streams back
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  private:
    std::unique_ptr<ConsoleBuffer> out_;
    std::unique_ptr<ConsoleBuffer> err_;
    std::streambuf* outBefore_ = nullptr;
    std::streambuf* errBefore_ = nullptr;
};

}  // namespace fortunix::console
