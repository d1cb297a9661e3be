#include "ephemeris/DegreeSignTable.h"

namespace fortunix {

int SignIndexOfDegree(int degree) {
    const int reduced = ((degree % 360) + 360) % 360;
    return reduced / kDegreesPerSign;
}

void BuildDegreeSignTable(DegreeSignTable& table) {
    for (int degree = 0; degree < static_cast<int>(table.size()); ++degree) {
        table[static_cast<std::size_t>(degree)] = kSignNames[SignIndexOfDegree(degree)];
    }
}

}  // namespace fortunix
