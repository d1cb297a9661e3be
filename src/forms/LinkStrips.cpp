#include "forms/LinkStrips.h"

#include <QWidget>

#include "shell/IgnoringErrors.h"
#include "shell/ProgramTexts.h"
#include "shell/modHelp.h"
#include "widgets/Appearance.h"
#include "widgets/Controls.h"
#include "widgets/LinkLabel.h"

namespace fortunix {

namespace {

// Opaque, on the strip's own green, so that the offer behind stays hidden.
LinkLabel* Offer(QWidget* strip, const char* name, const TwipsBox& box, const char* text,
                 const char* accessibleName, void (*open)()) {
    LinkLabel* offer = Link(strip, name, QString::fromUtf8(text), box, {kMintGreen, kVioletText});
    offer->setAccessibleName(QString::fromLatin1(accessibleName));
    QObject::connect(offer, &LinkLabel::clicked, offer, open);
    return offer;
}

}  // namespace

QWidget* AddBannerStrip(QWidget* client, const BannerStripLayout& layout) {
    QWidget* strip = Panel(client, layout.stripName, layout.strip, kMintGreen);
    LinkLabel* banner = Link(strip, "Label61", QString::fromUtf8(texts::kDiscussionBanner),
                             layout.banner, {std::nullopt, kVioletText});
    banner->setAccessibleName(QString::fromUtf8(QT_TRANSLATE_NOOP("Fortunix", "Discussion board")));
    QObject::connect(banner, &LinkLabel::clicked, banner, [] { IgnoringErrors(OpenHomePage); });
    return strip;
}

QWidget* AddOfferStrip(QWidget* client, const OfferStripLayout& layout) {
    QWidget* strip = Panel(client, layout.stripName, layout.strip, kMintGreen);
    const auto addFullBrand = [&] {
        Offer(strip, "lblFullBrand", layout.fullBrand, texts::kFullBrandOffer,
              QT_TRANSLATE_NOOP("Fortunix", "Resale offer"), OpenFullBrandPage);
    };
    const auto addCoBrand = [&] {
        Offer(strip, "lblCobrand", layout.coBrand, texts::kCoBrandOffer,
              QT_TRANSLATE_NOOP("Fortunix", "Co-branding offer"), OpenCoBrandPage);
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
