#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

namespace fortunix {
namespace {

// A control takes its design name and its rectangle, 15 twips to a pixel, rounded to the
// nearest pixel.
TEST(Place, NamesTheControlAndPlacesItInPixels) {
    const struct {
        const char* name;
        TwipsBox box;
        QRect pixels;
    } rows[] = {
        {"whole pixels", {150, 120, 6225, 615}, {10, 8, 415, 41}},
        {"rounded", {127, 165, 7680, 465}, {8, 11, 512, 31}},
        {"below and above half a pixel", {8, 22, 7, 0}, {1, 1, 0, 0}},
    };
    QWidget parent;
    for (const auto& row : rows) {
        QLabel* label = Place(new QLabel(&parent), row.name, row.box);
        EXPECT_EQ(label->objectName(), QString::fromLatin1(row.name));
        EXPECT_EQ(label->geometry(), row.pixels) << row.name;
    }
}

// The first show puts a window in the middle of its screen; after that it stays where the
// user moved it.
TEST(SetUpFixedWindow, CentresTheWindowOnItsFirstShowOnly) {
    QMainWindow window;
    SetUpFixedWindow(&window, "frmTest", 3000, 1500);
    window.move(0, 0);

    window.show();
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    EXPECT_LE((window.frameGeometry().center() - screenCentre).manhattanLength(), 1);

    window.hide();
    window.move(5, 7);
    window.show();
    EXPECT_EQ(window.pos(), QPoint(5, 7));
}

}  // namespace
}  // namespace fortunix
