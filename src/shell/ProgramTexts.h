#pragma once

#include <QtGlobal>
#include <array>

// The program's prose: product description, link captions, offers and appeals.
// Plain ASCII (a subset of UTF-8), so QString::fromUtf8 shows them unchanged.
namespace fortunix::texts {

// Main window, under the header strip.
inline constexpr char kProductDescription[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of "
    "Fortune, the point of your birth chart that shows where you find luck, joy and "
    "success. Know your sign and its promise.");

// Label61: the banner link to the maker's discussion forum.
inline constexpr char kDiscussionBanner[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "The Vespera Softwares discussion forum is a friendly place to share ideas and "
    "get answers. Come and visit it today!");

// lblFullBrand: the offer to resell the program under the user's own brand.
inline constexpr char kFullBrandOffer[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "Home Business Opportunity. Start your own Internet business by reselling this "
    "software under your own brand name and logo, and keep all the profits for "
    "yourself.");

// lblCobrand: the offer to co-brand the program for the user's web site.
inline constexpr char kCoBrandOffer[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "Co-brand this software for your site. Put your own web site address and logo "
    "into this program and give it away to your visitors: each copy they pass on "
    "brings new visitors back to you.");

// About box Label1: what the Part of Fortune is and what it signifies.
inline constexpr char kAboutDescription[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "Fortunix calculates your Fortuna sign which is the zodiac sign holding your "
    "Part of Fortune, a point of the birth chart found from the Sun, the Moon and "
    "the ascendant. It signifies where you find luck and joy in life.");

// About box lblHomePage: one short line.
inline constexpr char kAboutHomePageInvitation[] =
    QT_TRANSLATE_NOOP("Fortunix", "Visit the Vespera Softwares web site");

// About box Label3.
inline constexpr char kAboutResaleOffer[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "Home Business Opportunity. Sell this program under your own brand name and keep "
    "all the profits. Start your own home business today.");

// Refer-a-friend Label2: one of these support appeals is drawn at load.
inline constexpr std::array<const char*, 4> kSupportAppeals = {
    QT_TRANSLATE_NOOP(
        "Fortunix",
        "Vespera Softwares, such as this can be created and kept free only with the "
        "support of users like you. Please help us by visiting the Vespera Softwares "
        "discussion forum regularly and joining in: ask, answer and share your ideas."),
    QT_TRANSLATE_NOOP(
        "Fortunix",
        "Please support Vespera Softwares by visiting our discussion forum regularly. "
        "Read the newest posts, ask questions and help other members with your answers: "
        "your visits keep the forum alive and our programs free."),
    QT_TRANSLATE_NOOP(
        "Fortunix",
        "The Vespera Softwares discussion forum is free for everyone to join. Support us "
        "by visiting it regularly and taking part in its talks with other users like you."),
    QT_TRANSLATE_NOOP(
        "Fortunix",
        "Our discussion forum needs your help. Support Vespera Softwares by visiting it "
        "regularly, asking your questions and sharing your experience, so that it grows "
        "into a lively place for all its users."),
};

// Refer-a-friend Label3: the range of the maker's programs.
inline constexpr char kCatalogueDescription[] = QT_TRANSLATE_NOOP(
    "Fortunix",
    "If you have enjoyed this software you will surely like our other programs too. "
    "Vespera Softwares makes a wide range of easy, useful programs for the home and "
    "the office: astrology and numerology readings, calendars and planners, tools "
    "for writing and printing, small utilities that keep your computer tidy, "
    "educational games for children and puzzles for the whole family. Most of them "
    "are free to try, and each one is made with the same care as this one. They are "
    "small, quick to install and simple to learn, so you can start in minutes. Click "
    "the link below to see the full collection and find your next favourite.");

// Refer-a-friend Check1: at most two lines of the check box.
inline constexpr char kVisitSiteNowCaption[] =
    QT_TRANSLATE_NOOP("Fortunix",
                      "Yes, take me to the Vespera Softwares web site now to discover more useful "
                      "programs");

}  // namespace fortunix::texts
