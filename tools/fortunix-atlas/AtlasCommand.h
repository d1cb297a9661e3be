#pragma once

#include <QStringList>
#include <functional>
#include <optional>
#include <string_view>
#include <variant>

#include "ephemeris/Calendar.h"

namespace fortunix::atlastool {

// The exit statuses of fortunix-atlas.
inline constexpr int kPlaceFound = 0;
inline constexpr int kNoPlace = 1;
inline constexpr int kWrongCommandLine = 2;

// The text of --help.
extern const char kUsage[];

// What the command line asks: a place as city, state and country, and the birth moment of
// --at when given.
struct AtlasQuery {
    QStringList place;
    std::optional<CivilMoment> at;
};

// --help or /? alone: the usage, on standard output.
struct HelpAsked {};

// A command line that cannot be run: the message for standard error (exit status 2).
struct CommandLineError {
    QString message;
};

// Reads `arguments` (those after the program's name): CITY STATE COUNTRY, with
// "--at YYYY-MM-DDTHH:MM" anywhere among them, or --help or /? alone. The first --at takes
// the argument after it; an --at that is the last argument has none, wherever the others are.
std::variant<AtlasQuery, HelpAsked, CommandLineError> ParseArguments(QStringList arguments);

// Where the command writes its UTF-8 text: false when the text could not be written.
using TextSink = std::function<bool(std::string_view text)>;

// The whole command: the candidates for `arguments` as tab-separated lines on `out` (a
// header line first), notes and errors on `err`, all in UTF-8. Answers kPlaceFound,
// kNoPlace (no place matched; the closest spellings, if any, are listed), or
// kWrongCommandLine (also for an --at year that the zone history does not hold).
int RunAtlasCommand(const QStringList& arguments, const TextSink& out, const TextSink& err);

}  // namespace fortunix::atlastool
