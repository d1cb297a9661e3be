#include "forms/frmPlaceChoice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/Appearance.h"
#include "widgets/Twips.h"

namespace fortunix {

namespace {

constexpr char kCaption[] = "Find Latitude & Longitude";
constexpr char kCredit[] = "Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0";

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

QString PlaceChoicePrompt(const PlaceChoice& choice) {
    if (choice.placeLines.isEmpty()) {
        return QStringLiteral(
                   "No place matching \"%1\" was found in the atlas.\n"
                   "You can search the web for its latitude and longitude instead.")
            .arg(choice.sought);
    }
    if (choice.closeSpellings) {
        return QStringLiteral("No place matching \"%1\" was found in the atlas. Did you mean:")
            .arg(choice.sought);
    }
    return QStringLiteral(
               "Places matching \"%1\", most likely first. "
               "Choose your place of birth:")
        .arg(choice.sought);
}

QString UnknownCountryNote(const PlaceChoice& choice) {
    if (choice.unknownCountry.isEmpty()) {
        return {};
    }
    return QStringLiteral("No country named '%1' is known; showing places in every country")
        .arg(choice.unknownCountry);
}

frmPlaceChoice::frmPlaceChoice(const PlaceChoice& choice, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmPlaceChoice"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());
    SetBackground(this, kSkyBlue);
    SetFocusColour(this);
    const bool found = !choice.placeLines.isEmpty();

    auto* layout = new QVBoxLayout(this);
    // Why places of every country are listed, before what they are.
    auto* lblCountry = new QLabel(UnknownCountryNote(choice), this);
    lblCountry->setObjectName(QStringLiteral("lblCountry"));
    lblCountry->setWordWrap(true);
    lblCountry->setVisible(!choice.unknownCountry.isEmpty());
    if (!choice.unknownCountry.isEmpty()) {
        layout->addWidget(lblCountry);
    }

    auto* lblPrompt = new QLabel(PlaceChoicePrompt(choice), this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setWordWrap(true);
    layout->addWidget(lblPrompt);

    lstPlaces_ = new QListWidget(this);
    lstPlaces_->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces_->setAccessibleName(QStringLiteral("Places found"));
    lstPlaces_->addItems(choice.placeLines);
    lstPlaces_->setVisible(found);
    if (found) {
        lstPlaces_->setCurrentRow(0);
        layout->addWidget(lstPlaces_, 1);
    }

    auto* lblCredit = new QLabel(QString::fromLatin1(kCredit), this);
    lblCredit->setObjectName(QStringLiteral("lblCredit"));
    lblCredit->setFont(ProgramFont(7));
    layout->addWidget(lblCredit);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    QPushButton* cmdUsePlace = AddButton(this, buttons, "cmdUsePlace", "Use This Place");
    QPushButton* cmdSearchWeb = AddButton(this, buttons, "cmdSearchWeb", "Search the Web");
    QPushButton* cmdCancel = AddButton(this, buttons, "cmdCancel", "Cancel");
    layout->addLayout(buttons);

    cmdUsePlace->setVisible(found);
    (found ? cmdUsePlace : cmdSearchWeb)->setDefault(true);
    (found ? static_cast<QWidget*>(lstPlaces_) : cmdSearchWeb)->setFocus();

    connect(cmdUsePlace, &QPushButton::clicked, this, &frmPlaceChoice::cmdUsePlace_Click);
    connect(cmdSearchWeb, &QPushButton::clicked, this, &frmPlaceChoice::cmdSearchWeb_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstPlaces_, &QListWidget::itemActivated, this, &frmPlaceChoice::cmdUsePlace_Click);

    resize(TwipsToPixels(found ? 8400 : 6600), found ? TwipsToPixels(5400) : sizeHint().height());
}

void frmPlaceChoice::cmdUsePlace_Click() {
    const int row = lstPlaces_->currentRow();
    if (row < 0) {
        return;
    }
    emit placeChosen(row);
    accept();
}

void frmPlaceChoice::cmdSearchWeb_Click() {
    emit webSearchChosen();
    accept();
}

}  // namespace fortunix
