#pragma once

#include <QStringList>
#include <string>
#include <string_view>

#include "AtlasCommand.h"

namespace fortunix::atlastool {

// One run of the whole command: its exit status and what it wrote on each stream.
struct AtlasRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline AtlasRun RunAtlas(const QStringList& arguments) {
    AtlasRun run;
    const auto into = [](std::string& text) {
        return [&text](std::string_view piece) {
            text += piece;
            return true;
        };
    };
    run.status = RunAtlasCommand(arguments, into(run.out), into(run.err));
    return run;
}

}  // namespace fortunix::atlastool
