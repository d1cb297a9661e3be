#include "forms/frmPlaceChoice.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "atlas/PlaceLine.h"
#include "atlas/QuotedExcerpt.h"
#include "widgets/Appearance.h"
#include "widgets/Twips.h"
#include "widgets/WindowTexts.h"

namespace fortunix {

namespace {

constexpr char kCaption[] = QT_TRANSLATE_NOOP("Fortunix", "Find Latitude & Longitude");
constexpr char kCredit[] =
    QT_TRANSLATE_NOOP("Fortunix",
                      "Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. "
                      "Time zones: IANA tz database, public domain");

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// What was typed, quoted in a sentence: isolated when written right to left ("القاهرة, مصر"),
// so that the quotation marks and the sentence keep their places around it.
QString QuotedTyped(const QString& typed) {
    return atlas::IsolatedName(atlas::QuotedExcerpt(typed));
}

}  // namespace

QString PlaceChoicePrompt(const PlaceChoice& choice) {
    const QString sought = QuotedTyped(choice.sought);
    if (choice.placeLines.isEmpty()) {
        return QCoreApplication::translate(
                   "Fortunix",
                   "No place matching \"%1\" was found in the atlas.\n"
                   "You can search the web for its latitude and longitude instead.")
            .arg(sought);
    }
    if (choice.closeSpellings) {
        return QCoreApplication::translate(
                   "Fortunix", "No place matching \"%1\" was found in the atlas. Did you mean:")
            .arg(sought);
    }
    return QCoreApplication::translate("Fortunix",
                                       "Places matching \"%1\", most likely first. "
                                       "Choose your place of birth:")
        .arg(sought);
}

QString CountryNote(const PlaceChoice& choice) {
    if (!choice.unknownCountry.isEmpty()) {
        return QCoreApplication::translate(
                   "Fortunix", "No country named '%1' is known; showing places in every country")
            .arg(QuotedTyped(choice.unknownCountry));
    }
    if (!choice.countryWithoutPlace.isEmpty()) {
        return QCoreApplication::translate(
                   "Fortunix",
                   "Nothing matching was found in '%1'; showing places in other "
                   "countries")
            .arg(QuotedTyped(choice.countryWithoutPlace));
    }
    return {};
}

frmPlaceChoice::frmPlaceChoice(const PlaceChoice& choice, QWidget* parent,
                               std::vector<PlaceZoneNote> zoneNotes)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      zoneNotes_(std::move(zoneNotes)) {
    setObjectName(QStringLiteral("frmPlaceChoice"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());
    SetBackground(this, kSkyBlue);
    SetFocusColour(this);
    const bool found = !choice.placeLines.isEmpty();

    auto* layout = new QVBoxLayout(this);
    // Why places of other countries are listed, before what they are.
    const QString countryNote = CountryNote(choice);
    auto* lblCountry = new QLabel(countryNote, this);
    lblCountry->setObjectName(QStringLiteral("lblCountry"));
    lblCountry->setWordWrap(true);
    lblCountry->setVisible(!countryNote.isEmpty());
    if (!countryNote.isEmpty()) {
        layout->addWidget(lblCountry);
    }

    auto* lblPrompt = new QLabel(PlaceChoicePrompt(choice), this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setWordWrap(true);
    layout->addWidget(lblPrompt);

    lstPlaces_ = new QListWidget(this);
    lstPlaces_->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces_->setAccessibleName(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Places found")));
    lstPlaces_->addItems(choice.placeLines);
    lstPlaces_->setVisible(found);
    if (found) {
        lstPlaces_->setCurrentRow(0);
        layout->addWidget(lstPlaces_, 1);
    }

    // The zone the highlighted place had at the birth moment, and what using it sets.
    lblZone_ = new QLabel(this);
    lblZone_->setObjectName(QStringLiteral("lblZone"));
    lblZone_->setWordWrap(true);
    lblZone_->setTextFormat(Qt::PlainText);
    layout->addWidget(lblZone_);
    auto* repeated = new QHBoxLayout();
    for (int i = 0; i < 2; ++i) {
        optRepeated_[i] = new QRadioButton(this);
        optRepeated_[i]->setObjectName(QStringLiteral("optRepeated_%1").arg(i));
        repeated->addWidget(optRepeated_[i]);
        connect(optRepeated_[i], &QRadioButton::toggled, this, &frmPlaceChoice::ShowZoneNote);
    }
    repeated->addStretch(1);
    layout->addLayout(repeated);

    auto* lblCredit = new QLabel(QString::fromLatin1(kCredit), this);
    lblCredit->setObjectName(QStringLiteral("lblCredit"));
    lblCredit->setFont(ProgramFont(7));
    lblCredit->setWordWrap(true);
    layout->addWidget(lblCredit);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    QPushButton* cmdUsePlace =
        AddButton(this, buttons, "cmdUsePlace", QT_TRANSLATE_NOOP("Fortunix", "Use This Place"));
    QPushButton* cmdSearchWeb =
        AddButton(this, buttons, "cmdSearchWeb", QT_TRANSLATE_NOOP("Fortunix", "Search the Web"));
    QPushButton* cmdCancel =
        AddButton(this, buttons, "cmdCancel", QT_TRANSLATE_NOOP("Fortunix", "Cancel"));
    layout->addLayout(buttons);

    cmdUsePlace->setVisible(found);
    (found ? cmdUsePlace : cmdSearchWeb)->setDefault(true);
    (found ? static_cast<QWidget*>(lstPlaces_) : cmdSearchWeb)->setFocus();

    connect(cmdUsePlace, &QPushButton::clicked, this, &frmPlaceChoice::cmdUsePlace_Click);
    connect(cmdSearchWeb, &QPushButton::clicked, this, &frmPlaceChoice::cmdSearchWeb_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstPlaces_, &QListWidget::itemActivated, this, &frmPlaceChoice::cmdUsePlace_Click);
    connect(lstPlaces_, &QListWidget::currentRowChanged, this, [this] {
        optRepeated_[0]->setChecked(true);  // the first of a repeated hour, summer time
        ShowZoneNote();
    });
    optRepeated_[0]->setChecked(true);
    ShowZoneNote();

    const int height = zoneNotes_.empty() ? 5400 : 6300;  // room for the zone
    const int width = TwipsToPixels(found ? 8400 : 6600);
    // Without places, as tall as its sentences need when broken at that width.
    resize(width,
           found ? TwipsToPixels(height) : std::max(heightForWidth(width), sizeHint().height()));
    TranslateWindowTexts(this);
}

void frmPlaceChoice::cmdUsePlace_Click() {
    const int row = lstPlaces_->currentRow();
    if (row < 0) {
        return;
    }
    emit placeChosen(row, !optRepeated_[1]->isHidden() && optRepeated_[1]->isChecked());
    accept();
}

void frmPlaceChoice::ShowZoneNote() {
    const int row = lstPlaces_->currentRow();
    const bool known = row >= 0 && static_cast<std::size_t>(row) < zoneNotes_.size();
    const PlaceZoneNote note = known ? zoneNotes_[static_cast<std::size_t>(row)] : PlaceZoneNote{};
    const bool repeated = !note.firstChoice.isEmpty();
    const bool second = repeated && optRepeated_[1]->isChecked();
    lblZone_->setText(note.description + u'\n' + (second ? note.setsSecond : note.sets));
    lblZone_->setVisible(!note.description.isEmpty());
    optRepeated_[0]->setText(note.firstChoice);
    optRepeated_[1]->setText(note.secondChoice);
    for (QRadioButton* choice : optRepeated_) {
        choice->setVisible(repeated);
    }
}

void frmPlaceChoice::cmdSearchWeb_Click() {
    emit webSearchChosen();
    accept();
}

}  // namespace fortunix
