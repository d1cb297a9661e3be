#include "LineSplitter.h"

#include <utility>

namespace fortunix::batch {

namespace {

// Room for a full line and the carriage return of a CRLF ending.
constexpr std::size_t kHeldBytes = LineSplitter::kMaxLineLength + 1;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kControlZ = '\x1A';

}  // namespace

LineSplitter::LineSplitter(LineHandler handler) : handler_(std::move(handler)) {
    line_.reserve(kHeldBytes);
}

bool LineSplitter::Feed(std::string_view bytes) {
    // The mark may come split over pieces; bytes that only began like it are text after all.
    while (atStart_ && !bytes.empty()) {
        if (bytes.front() == kByteOrderMark[markMatched_]) {
            ++markMatched_;
            bytes.remove_prefix(1);
            atStart_ = markMatched_ < kByteOrderMark.size();
        } else {
            atStart_ = false;
            FeedLines(kByteOrderMark.substr(0, markMatched_));
        }
    }
    FeedLines(bytes);
    return !ended_;
}

void LineSplitter::FeedLines(std::string_view bytes) {
    while (!bytes.empty() && !ended_) {
        const std::size_t newline = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, newline);
        started_ = true;
        if (!tooLong_) {
            if (line_.size() + piece.size() <= kHeldBytes) {
                line_.append(piece);
            } else {
                tooLong_ = true;
                line_.clear();
            }
        }
        if (newline == std::string_view::npos) {
            return;
        }
        EndLine();
        bytes.remove_prefix(newline + 1);
    }
}

void LineSplitter::Finish() {
    if (atStart_) {
        atStart_ = false;
        FeedLines(kByteOrderMark.substr(0, markMatched_));
    }
    if (started_ && !ended_) {
        EndLine();
    }
}

void LineSplitter::EndLine() {
    const bool crlf = !line_.empty() && line_.back() == '\r';
    const std::size_t length = line_.size() - (crlf ? 1 : 0);
    if (length == 1 && line_.front() == kControlZ) {
        ended_ = true;
        return;
    }
    const bool tooLong = tooLong_ || length > kMaxLineLength;
    handler_(tooLong ? std::string_view() : std::string_view(line_), tooLong);
    line_.clear();
    tooLong_ = false;
    started_ = false;
}

}  // namespace fortunix::batch
