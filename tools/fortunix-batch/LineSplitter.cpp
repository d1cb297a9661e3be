#include "LineSplitter.h"

#include <utility>

namespace fortunix::batch {

namespace {

// Room for a full line and the carriage return of a CRLF ending.
constexpr std::size_t kHeldBytes = LineSplitter::kMaxLineLength + 1;

}  // namespace

LineSplitter::LineSplitter(LineHandler handler) : handler_(std::move(handler)) {
    line_.reserve(kHeldBytes);
}

void LineSplitter::Feed(std::string_view bytes) {
    while (!bytes.empty()) {
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
    if (started_) {
        EndLine();
    }
}

void LineSplitter::EndLine() {
    const bool crlf = !line_.empty() && line_.back() == '\r';
    const bool tooLong = tooLong_ || line_.size() - (crlf ? 1 : 0) > kMaxLineLength;
    handler_(tooLong ? std::string_view() : std::string_view(line_), tooLong);
    line_.clear();
    tooLong_ = false;
    started_ = false;
}

}  // namespace fortunix::batch
