#include "ephemeris/UniversalTime.h"

#include "ephemeris/Calendar.h"

namespace fortunix {

BirthTimeBase ComputeBirthTimeBase(const BirthRecord& birth, const ZoneState& zone) {
    BirthTimeBase base;
    base.localHours = birth.hour + birth.minute / 60.0;
    base.zoneCorrection = zone.InHours() - (birth.isDst != kFalse16 ? 1.0 : 0.0);
    base.longitude = birth.lonDeg + birth.lonMin / 60.0;
    if (birth.isEast != kFalse16) {
        base.longitude = -base.longitude;
    }
    base.dayNumber = DayNumber(birth.month, birth.day, birth.year);
    base.universalHours = base.localHours + base.zoneCorrection;
    return base;
}

}  // namespace fortunix
