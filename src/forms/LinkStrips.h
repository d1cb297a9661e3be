#pragma once

#include "widgets/Twips.h"

class QWidget;

namespace fortunix {

// The mint-green strips that the main and the result window share: the banner at the top
// with the link to the maker's discussion board, and the strip at the foot where the resale
// offer and the co-branding offer lie one over the other. Only their places differ.

struct BannerStripLayout {
    const char* stripName;
    TwipsBox strip;   // in the window's client area
    TwipsBox banner;  // Label61, in the strip
};

enum class OfferInFront { CoBrand, FullBrand };

struct OfferStripLayout {
    const char* stripName;
    TwipsBox strip;      // in the window's client area
    TwipsBox fullBrand;  // lblFullBrand, in the strip
    TwipsBox coBrand;    // lblCobrand, in the strip
    OfferInFront front;
};

// Returns the strip; a click on the banner opens the discussion board, errors ignored.
QWidget* AddBannerStrip(QWidget* client, const BannerStripLayout& layout);

// Returns the strip; a click on an offer opens its page.
QWidget* AddOfferStrip(QWidget* client, const OfferStripLayout& layout);

}  // namespace fortunix
