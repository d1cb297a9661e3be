#include "app/Startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <functional>
#include <utility>

#include "forms/ProgramLanguage.h"
#include "forms/Windows.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "shell/Settings.h"
#include "shell/UpdateReminder.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"

namespace fortunix {
namespace {

class Startup : public ::testing::Test {
  protected:
    void TearDown() override { test_support::UnloadAllWindows(); }
    fakes::FakePlatform fake;
};

TEST_F(Startup, SecondCopyIsRefusedWithoutWindowOrSetting) {
    fake.lock.available = false;
    std::size_t messagesBeforeTheCall = 0;
    fake.frontCall.onCall = [&] { messagesBeforeTheCall = fake.messages.shown.size(); };

    EXPECT_FALSE(RunStartup());

    EXPECT_EQ(fake.frontCall.calls, 1) << "the running copy is called to the front";
    EXPECT_EQ(messagesBeforeTheCall, 1u) << "after the message";
    EXPECT_FALSE(fake.frontCall.comeToFront) << "a refused start answers no calls";

    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, QStringLiteral("Application is already running"));
    EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
    EXPECT_TRUE(windows::Loaded().isEmpty());
    EXPECT_TRUE(fake.settings.values.isEmpty());
    EXPECT_EQ(fake.settings.writes, 0);
    EXPECT_EQ(fake.random.seedings, 0);
}

TEST_F(Startup, FirstRunShowsTheMainWindowAloneAndArmsTheReminder) {
    EXPECT_TRUE(RunStartup());

    EXPECT_TRUE(fake.lock.held);
    EXPECT_EQ(fake.random.seedings, 1);
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(ReadSetting(QString::fromLatin1(kDurationSetting)), QStringLiteral("2026-12-07"));
    ASSERT_TRUE(windows::IsMainLoaded());
    EXPECT_TRUE(windows::Main().isVisible());
    EXPECT_FALSE(windows::IsDisplayLoaded());
    EXPECT_FALSE(windows::IsNagScreenLoaded());
    EXPECT_TRUE(fake.process.statuses.empty());
}

// The language chosen in the Language menu is the one the main window opens in.
TEST_F(Startup, MainWindowOpensInTheSavedLanguage) {
    SaveSetting(QStringLiteral("Language"), QStringLiteral("de"));

    EXPECT_TRUE(RunStartup());

    EXPECT_EQ(LanguageInUse(), QStringLiteral("de"));
    const auto* zones = windows::Main().findChild<QComboBox*>(QStringLiteral("cmbTimeZone"));
    EXPECT_EQ(zones->currentText(), QStringLiteral("Mittlere Greenwich-Zeit,GMT,0.0"));
    UseLanguage(QString::fromLatin1(kEnglish));
}

// A later start calls the running copy: the window the user has on screen comes to the
// front, restored if it was minimized, and takes the keyboard; a modal window over it comes
// in front of it.
TEST_F(Startup, ACallFromALaterStartBringsTheShownWindowToTheFront) {
    ASSERT_TRUE(RunStartup());
    EXPECT_EQ(fake.frontCall.calls, 0);
    ASSERT_TRUE(fake.frontCall.comeToFront);
    QWidget elsewhere;  // another program's window, in front
    QDialog modal(&windows::Main());
    modal.setModal(true);
    const struct {
        const char* name;
        std::function<QWidget*()> show;
    } rows[] = {
        {"main window",
         [] {
             windows::Main().showMinimized();
             return static_cast<QWidget*>(&windows::Main());
         }},
        {"result window",
         [] {
             windows::Main().hide();
             windows::Display().showMinimized();
             return static_cast<QWidget*>(&windows::Display());
         }},
        {"refer-a-friend window",
         [] {
             windows::Display().hide();
             windows::NagScreen().show();
             return static_cast<QWidget*>(&windows::NagScreen());
         }},
        {"a modal window over the main window",
         [&modal] {
             windows::NagScreen().hide();
             windows::Main().show();
             modal.show();
             return static_cast<QWidget*>(&modal);
         }},
    };
    for (const auto& row : rows) {
        QWidget* expected = row.show();
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere)) << row.name;

        fake.frontCall.comeToFront();

        EXPECT_TRUE(QTest::qWaitForWindowActive(expected)) << row.name;
        EXPECT_EQ(QApplication::activeWindow(), expected) << row.name;
        EXPECT_FALSE(expected->isMinimized()) << row.name;
        EXPECT_TRUE(expected->isVisible()) << row.name;
    }
    modal.hide();
}

TEST_F(Startup, UpdatePromptComesBeforeTheMainWindow) {
    SaveSetting(QString::fromLatin1(kDurationSetting), QStringLiteral("2026-01-01"));
    fake.messages.answers.push_back(MessageAnswer::Yes);

    EXPECT_TRUE(RunStartup());

    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].visibleWindows, QStringList())
        << "no window behind the prompt";
    EXPECT_EQ(fake.web.opened.size(), 1);
    EXPECT_TRUE(windows::Main().isVisible());
}

// The front label is the later of the two in their container's stacking order.
QString FrontOffer(const QWidget* window) {
    const auto* cobrand = window->findChild<QLabel*>(QStringLiteral("lblCobrand"));
    const auto* fullBrand = window->findChild<QLabel*>(QStringLiteral("lblFullBrand"));
    const QObjectList& stack = cobrand->parent()->children();
    return stack.indexOf(cobrand) > stack.indexOf(fullBrand) ? QStringLiteral("lblCobrand")
                                                             : QStringLiteral("lblFullBrand");
}

TEST(CoBrandChoice, ScalesTheDrawToOneToSeven) {
    struct DrawCase {
        const char* name;
        float draw;
        int choice;
    };
    const DrawCase cases[] = {
        {"zero", 0.0f, 1},
        {"just under a quarter of the first step", 0.08f, 1},
        {"a third", 1.0f / 3.0f, 3},
        {"largest draw below 1", std::nextafter(1.0f, 0.0f), 7},
        // 3.5 in single precision (3.49999994 in double, which would round to 3)
        {"single-precision half 3.5", 0x1.aaaaaap-2f, 4},
        // 4.5 in single precision (4.50000024 in double, which would round to 5)
        {"single-precision half 4.5", 0x1.2aaaacp-1f, 4},
    };
    for (const DrawCase& row : cases) {
        EXPECT_EQ(CoBrandChoice(row.draw), row.choice) << row.name;
    }
}

// Draws whose value draw × 6 + 1, in single precision, is exactly 1.5, 2.5, ... 6.5 go to
// the even neighbour.
TEST(CoBrandChoice, HalfwayDrawsGoToTheEvenNeighbour) {
    for (int whole = 1; whole <= 6; ++whole) {
        const float half = static_cast<float>(whole) + 0.5f;
        const int even = whole % 2 == 0 ? whole : whole + 1;
        int found = 0;
        float draw = static_cast<float>(whole - 0.5) / 6.0f;
        for (int step = 0; step < 8; ++step) {
            draw = std::nextafter(draw, 0.0f);
        }
        for (int step = 0; step < 16; ++step, draw = std::nextafter(draw, 1.0f)) {
            const float scaled = draw * 6.0f;
            if (scaled + 1.0f != half) {
                continue;
            }
            ++found;
            EXPECT_EQ(CoBrandChoice(draw), even) << "draw " << draw << " giving " << half;
        }
        EXPECT_GT(found, 0) << "no draw gives " << half;
    }
}

TEST(BringOfferToFront, OddChoicesShowTheCoBrandOfferEvenOnesTheFullBrandOffer) {
    for (int choice = 1; choice <= 7; ++choice) {
        for (const char* initiallyInFront : {"lblCobrand", "lblFullBrand"}) {
            QWidget window;
            auto* strip = new QWidget(&window);
            auto* fullBrand = new QLabel(strip);
            fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
            auto* cobrand = new QLabel(strip);
            cobrand->setObjectName(QStringLiteral("lblCobrand"));
            window.findChild<QLabel*>(QString::fromLatin1(initiallyInFront))->raise();

            BringOfferToFront(&window, choice);

            const QString expected = choice == 7       ? QString::fromLatin1(initiallyInFront)
                                     : choice % 2 != 0 ? QStringLiteral("lblCobrand")
                                                       : QStringLiteral("lblFullBrand");
            EXPECT_EQ(FrontOffer(&window), expected)
                << "choice " << choice << ", " << initiallyInFront << " in front before";
        }
    }
}

// The designed layout has the co-brand offer in front; choice 7 keeps it.
TEST_F(Startup, CoBrandRandomizeActsOnTheMainWindowOffers) {
    const std::pair<float, const char*> cases[] = {
        {0.0f, "lblCobrand"}, {0.2f, "lblFullBrand"}, {std::nextafter(1.0f, 0.0f), "lblCobrand"}};
    for (const auto& [draw, front] : cases) {
        fake.random.draws = {draw};
        RunStartup();
        EXPECT_EQ(FrontOffer(&windows::Main()), QString::fromLatin1(front)) << draw;
        test_support::UnloadAllWindows();
    }
}

}  // namespace
}  // namespace fortunix
