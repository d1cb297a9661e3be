#pragma once

#include <QObject>
#include <optional>

#include "ephemeris/Calendar.h"
#include "zones/BirthZone.h"
#include "zones/ZoneFollowing.h"
#include "zones/ZoneProposal.h"

class QCheckBox;
class QComboBox;

namespace fortunix {

// Keeps the main window's zone list and daylight-saving box in step with the birthplace the
// user chose in the look-up, as zones::ZoneFollowing decides: until the user picks a zone or
// ticks the box by hand, every change of the birth date or time sets the zone that the place's
// clocks kept at that moment. A zone that no row of the list holds (Nepal's +5:45) is shown as
// an entry added after the rows (kBirthplaceTimeRow), for as long as it is proposed.
class BirthplaceZoneFollower : public QObject {
    Q_OBJECT

  public:
    // The window's lists of the birth moment, its zone list and its daylight-saving box.
    struct Controls {
        QComboBox* month;
        QComboBox* day;
        QComboBox* year;
        QComboBox* hour;
        QComboBox* minute;
        QComboBox* zoneList;
        QCheckBox* dst;
    };

    BirthplaceZoneFollower(const Controls& controls, QObject* parent);

    // The local birth date and time that the lists show.
    CivilMoment BirthMoment() const;

    // From now on the zone follows `place`, starting with `proposal`, what the look-up
    // proposed for the birth moment (for an hour the clocks repeated, the one the user chose;
    // the second, once chosen, holds while the moment stays in a repeated hour).
    void Follow(const zones::BirthplaceZone& place, const zones::ZoneProposal& proposal);

    // The exact offset east of UT, in minutes, of the added entry while the list holds it.
    std::optional<int> BirthplaceTimeMinutes() const { return birthplaceTimeMinutes_; }

    // True while the zone follows the place chosen last.
    bool FollowsPlace() const { return following_.Follows(); }

    // Stops following, so that filling the form again proposes nothing on the way.
    void StopFollowing() { following_.Stop(); }

    // Sets the zone list and the tick as a form kept earlier had them: the birthplace-time
    // entry of `birthplaceTimeMinutes` when there is one, row `row` and the tick; from then on
    // the zone follows `followed` when it is given.
    void Restore(int row, std::optional<int> birthplaceTimeMinutes, bool dst,
                 std::optional<zones::BirthplaceZone> followed);

  private:
    void BirthMoment_Change();
    void cmbTimeZone_Click(int index);
    void chkDST_Click();
    void ShowZoneProposal(const zones::ZoneProposal& proposal);
    // Adds the birthplace-time entry for the offset, or gives the one there the offset.
    void ShowBirthplaceTime(int offsetMinutes);
    void RemoveBirthplaceTime();

    Controls controls_;
    zones::ZoneFollowing following_;
    std::optional<int> birthplaceTimeMinutes_;
    bool proposing_ = false;  // the follower itself changes the zone controls
};

}  // namespace fortunix
