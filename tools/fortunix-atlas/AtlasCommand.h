#pragma once

#include <QStringList>
#include <cstdio>
#include <optional>
#include <variant>

#include "ephemeris/Calendar.h"

namespace fortunix::atlastool {

// What the command line asks: a place as city, state and country, and the birth moment of
// --at when given.
struct AtlasQuery {
    QStringList place;
    std::optional<CivilMoment> at;
};

// A command line that cannot be run: the message for standard error (exit status 2).
struct CommandLineError {
    QString message;
};

// Reads `arguments` (those after the program's name): CITY STATE COUNTRY, with
// "--at YYYY-MM-DDTHH:MM" anywhere among them. The first --at takes the argument after it.
std::variant<AtlasQuery, CommandLineError> ParseArguments(QStringList arguments);

// The whole command: the candidates for `arguments` as tab-separated lines on `out` (a
// header line first), notes and errors on `err`. Answers 0 when a place matched, 1 when none
// did, 2 for a wrong command line.
int RunAtlasCommand(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace fortunix::atlastool
