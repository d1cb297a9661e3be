#include "forms/BirthplaceZoneFollower.h"

#include <QCheckBox>
#include <QComboBox>

#include "forms/ReadingTexts.h"
#include "zones/ZoneHistory.h"

namespace fortunix {

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
    following_.Follow(zones::BuiltInZoneHistory(), place, BirthMoment(), proposal);
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
    if (followed) {
        following_.Follow(zones::BuiltInZoneHistory(), *followed, BirthMoment(),
                          {row, dst, birthplaceTimeMinutes.value_or(0)});
    } else {
        following_.Stop();
    }
    proposing_ = false;
}

void BirthplaceZoneFollower::BirthMoment_Change() {
    if (proposing_) {
        return;
    }
    if (const std::optional<zones::ZoneProposal> proposal =
            following_.ProposalAt(zones::BuiltInZoneHistory(), BirthMoment())) {
        ShowZoneProposal(*proposal);
    }
}

void BirthplaceZoneFollower::cmbTimeZone_Click(int index) {
    following_.Stop();
    if (index != zones::kBirthplaceTimeRow) {
        RemoveBirthplaceTime();
    }
}

void BirthplaceZoneFollower::chkDST_Click() {
    following_.Stop();
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
    const QString text = BirthplaceTimeText(offsetMinutes);
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
