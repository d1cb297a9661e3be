// fortunix-atlas: the built-in atlas's candidates for a birthplace, in the order the place
// choice lists them.
//
//   fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]
//
// Prints a header line, then one tab-separated line per candidate (see CandidateLine.h): the
// places matching the city, or when none does, the closest spellings, as the window offers
// them; standard error says so, and says when the country is unknown or holds none of them.
// The exit status is 0 when a place matched, 1 when none did, 2 for a wrong command line
// (AtlasCommand.h).

#include <QCoreApplication>

#include "AtlasCommand.h"
#include "StandardStreams.h"

int main(int argc, char** argv) {
    // On Windows the arguments come from the UTF-16 command line (GetCommandLineW), not from
    // argv in the ANSI code page, as long as argc and argv are handed over untouched.
    QCoreApplication application(argc, argv);
    return fortunix::atlastool::RunAtlasCommand(QCoreApplication::arguments().mid(1),
                                                fortunix::console::WriteStandardOutput,
                                                fortunix::console::WriteStandardError);
}
