#include "forms/BirthplaceZoneFollower.h"

#include <QCheckBox>
#include <QComboBox>

#include "zones/ZoneHistory.h"

namespace fortunix {

namespace {

// Whether `proposal` is what the second of the hour that `found` repeated sets, and not what
// the first sets: the user chose the later of the two.
bool IsLaterOfRepeated(const zones::BirthZone& found, const zones::ZoneProposal& proposal) {
    const zones::ZoneHistory& history = zones::BuiltInZoneHistory();
    return found.kind == zones::BirthZone::Kind::Repeated &&
           proposal == zones::ProposeZone(history, found, true) &&
           proposal != zones::ProposeZone(history, found, false);
}

}  // namespace

BirthplaceZoneFollower::BirthplaceZoneFollower(const Controls& controls, QObject* parent)
    : QObject(parent), controls_(controls) {
    for (QComboBox* list :
         {controls_.month, controls_.day, controls_.year, controls_.hour, controls_.minute}) {
        connect(list, &QComboBox::currentIndexChanged, this,
                &BirthplaceZoneFollower::BirthMoment_Change);
    }
    // Only the user's own choices: `activated` and `clicked` come from the mouse and keys.
    connect(controls_.zoneList, &QComboBox::activated, this,
            &BirthplaceZoneFollower::cmbTimeZone_Click);
    connect(controls_.dst, &QCheckBox::clicked, this, &BirthplaceZoneFollower::chkDST_Click);
}

CivilMoment BirthplaceZoneFollower::BirthMoment() const {
    return {controls_.year->currentText().toInt(), controls_.month->currentIndex() + 1,
            controls_.day->currentText().toInt(), controls_.hour->currentText().toInt(),
            controls_.minute->currentText().toInt()};
}

void BirthplaceZoneFollower::Follow(const zones::BirthplaceZone& place,
                                    const zones::ZoneProposal& proposal) {
    birthplace_ = place;
    zoneFollowsBirthplace_ = true;
    laterOfRepeated_ = IsLaterOfRepeated(
        zones::FindBirthZone(zones::BuiltInZoneHistory(), place, BirthMoment()), proposal);
    ShowZoneProposal(proposal);
}

void BirthplaceZoneFollower::Restore(int row, std::optional<int> birthplaceTimeMinutes, bool dst,
                                     std::optional<zones::BirthplaceZone> followed) {
    proposing_ = true;
    if (birthplaceTimeMinutes) {
        ShowBirthplaceTime(*birthplaceTimeMinutes);
    } else {
        RemoveBirthplaceTime();
    }
    controls_.zoneList->setCurrentIndex(row);
    controls_.dst->setChecked(dst);
    birthplace_ = followed;
    zoneFollowsBirthplace_ = followed.has_value();
    laterOfRepeated_ =
        followed && IsLaterOfRepeated(
                        zones::FindBirthZone(zones::BuiltInZoneHistory(), *followed, BirthMoment()),
                        {row, dst, birthplaceTimeMinutes.value_or(0)});
    proposing_ = false;
}

void BirthplaceZoneFollower::BirthMoment_Change() {
    if (zoneFollowsBirthplace_ && !proposing_) {
        ProposeBirthplaceZone();
    }
}

void BirthplaceZoneFollower::cmbTimeZone_Click(int index) {
    zoneFollowsBirthplace_ = false;
    if (index != zones::kBirthplaceTimeRow) {
        RemoveBirthplaceTime();
    }
}

void BirthplaceZoneFollower::chkDST_Click() {
    zoneFollowsBirthplace_ = false;
}

void BirthplaceZoneFollower::ProposeBirthplaceZone() {
    if (birthplace_) {
        // A new moment starts from the first of a repeated hour, unless the user chose the
        // second and the moment still lies in one (the minute put right).
        const zones::ZoneHistory& history = zones::BuiltInZoneHistory();
        const zones::BirthZone found = zones::FindBirthZone(history, *birthplace_, BirthMoment());
        laterOfRepeated_ = laterOfRepeated_ && found.kind == zones::BirthZone::Kind::Repeated;
        ShowZoneProposal(zones::ProposeZone(history, found, laterOfRepeated_));
    }
}

void BirthplaceZoneFollower::ShowZoneProposal(const zones::ZoneProposal& proposal) {
    proposing_ = true;
    if (proposal.row == zones::kBirthplaceTimeRow) {
        ShowBirthplaceTime(proposal.exactOffsetMinutes);
    } else {
        RemoveBirthplaceTime();
    }
    controls_.zoneList->setCurrentIndex(proposal.row);
    controls_.dst->setChecked(proposal.daylightSaving);
    proposing_ = false;
}

void BirthplaceZoneFollower::ShowBirthplaceTime(int offsetMinutes) {
    const QString text = zones::BirthplaceTimeText(offsetMinutes);
    if (birthplaceTimeMinutes_) {
        controls_.zoneList->setItemText(zones::kBirthplaceTimeRow, text);
    } else {
        controls_.zoneList->addItem(text);
    }
    birthplaceTimeMinutes_ = offsetMinutes;
}

void BirthplaceZoneFollower::RemoveBirthplaceTime() {
    if (birthplaceTimeMinutes_) {
        controls_.zoneList->removeItem(zones::kBirthplaceTimeRow);
        birthplaceTimeMinutes_.reset();
    }
}

}  // namespace fortunix
