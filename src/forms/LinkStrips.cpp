#include "forms/LinkStrips.h"

#include <QWidget>

#include "shell/IgnoringErrors.h"
#include "shell/ProgramTexts.h"
#include "shell/modHelp.h"
#include "widgets/Appearance.h"
#include "widgets/LinkLabel.h"

namespace fortunix {

namespace {

QWidget* Strip(QWidget* client, const char* name, const TwipsBox& box) {
    auto* strip = Place(new QWidget(client), name, box);
    SetBackground(strip, kMintGreen);
    return strip;
}

LinkLabel* Offer(QWidget* strip, const char* name, const TwipsBox& box, const char* text,
                 const char* accessibleName, void (*open)()) {
    auto* offer = Place(new LinkLabel(strip), name, box);
    offer->setText(QString::fromUtf8(text));
    offer->setAccessibleName(QString::fromLatin1(accessibleName));
    SetBackground(offer, kMintGreen);  // opaque, so the offer behind stays hidden
    SetTextColour(offer, kVioletText);
    QObject::connect(offer, &LinkLabel::clicked, offer, open);
    return offer;
}

}  // namespace

QWidget* AddBannerStrip(QWidget* client, const BannerStripLayout& layout) {
    QWidget* strip = Strip(client, layout.stripName, layout.strip);
    auto* banner = Place(new LinkLabel(strip), "Label61", layout.banner);
    banner->setText(QString::fromUtf8(texts::kDiscussionBanner));
    banner->setAccessibleName(QStringLiteral("Discussion board"));
    SetTextColour(banner, kVioletText);
    QObject::connect(banner, &LinkLabel::clicked, banner, [] { IgnoringErrors(OpenHomePage); });
    return strip;
}

QWidget* AddOfferStrip(QWidget* client, const OfferStripLayout& layout) {
    QWidget* strip = Strip(client, layout.stripName, layout.strip);
    const auto addFullBrand = [&] {
        Offer(strip, "lblFullBrand", layout.fullBrand, texts::kFullBrandOffer, "Resale offer",
              OpenFullBrandPage);
    };
    const auto addCoBrand = [&] {
        Offer(strip, "lblCobrand", layout.coBrand, texts::kCoBrandOffer, "Co-branding offer",
              OpenCoBrandPage);
    };
    // The later one lies in front (and follows in the Tab order).
    if (layout.front == OfferInFront::CoBrand) {
        addFullBrand();
        addCoBrand();
    } else {
        addCoBrand();
        addFullBrand();
    }
    return strip;
}

}  // namespace fortunix
