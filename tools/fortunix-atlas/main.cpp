// fortunix-atlas: the built-in atlas's candidates for a birthplace, in the order the place
// choice lists them.
//
//   fortunix-atlas CITY STATE COUNTRY [--at YYYY-MM-DDTHH:MM]
//
// Prints a header line, then one tab-separated line per candidate (see CandidateLine.h): the
// places matching the city, or when none does, the closest spellings, as the window offers
// them; standard error says so, and says when the country is unknown. The exit status is 0
// when a place matched, 1 when none did, 2 for a wrong command line (AtlasCommand.h).

#include <QCoreApplication>
#include <cstdio>

#include "AtlasCommand.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    return fortunix::atlastool::RunAtlasCommand(QCoreApplication::arguments().mid(1), stdout,
                                                stderr);
}
