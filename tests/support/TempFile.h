#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace fortunix::test_support {

// A file in the system's temporary folder that holds `contents`, open for reading and writing
// from its start, and removed with the object: the input or output of a tool run in a test.
// (std::tmpfile writes to the root of the drive on Windows, where a user often may not.)
class TempFile {
  public:
    explicit TempFile(std::string_view contents = {}) {
        static int count = 0;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("fortunix-test-" + std::to_string(now) + '-' + std::to_string(++count));
        file_ = std::fopen(path_.string().c_str(), "w+b");
        if (file_ != nullptr) {
            std::fwrite(contents.data(), 1, contents.size(), file_);
            std::rewind(file_);
        }
    }
    ~TempFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Null when the file could not be made.
    std::FILE* get() const { return file_; }

    // Everything the file holds now.
    std::string Contents() const {
        std::string text;
        std::fflush(file_);
        std::rewind(file_);
        char piece[4096];
        std::size_t count = 0;
        while ((count = std::fread(piece, 1, sizeof piece, file_)) > 0) {
            text.append(piece, count);
        }
        return text;
    }

  private:
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
};

}  // namespace fortunix::test_support
