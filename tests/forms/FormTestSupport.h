#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <stdexcept>
#include <string>

#include "forms/Windows.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"
#include "support/WindowDriving.h"

namespace fortunix::formtests {

// A control of `window` by its design name; a missing control fails the test.
using test_support::Child;

// The birth data of the worked example: 1 January 2000, 12:00 Greenwich Mean Time,
// 0°0' West, 51°30' North, no daylight saving.
struct BirthInput {
    QString name = QStringLiteral("JOHN");
    int monthIndex = 0, dayIndex = 0;
    QString year = QStringLiteral("2000");
    int hourIndex = 12, minuteIndex = 0, secondIndex = 0, zoneIndex = 29;
    bool dst = false;
    QString lonDeg = QStringLiteral("0"), lonMin = QStringLiteral("0");
    bool east = false;
    QString latDeg = QStringLiteral("51"), latMin = QStringLiteral("30");
    bool south = false;
};

inline void Fill(frmMain& form, const BirthInput& input) {
    Child<QLineEdit>(&form, "txtName")->setText(input.name);
    Child<QComboBox>(&form, "cboMonth")->setCurrentIndex(input.monthIndex);
    Child<QComboBox>(&form, "cboDate")->setCurrentIndex(input.dayIndex);
    Child<QComboBox>(&form, "cboYear")->setCurrentText(input.year);
    Child<QComboBox>(&form, "cboHH")->setCurrentIndex(input.hourIndex);
    Child<QComboBox>(&form, "cboMM")->setCurrentIndex(input.minuteIndex);
    Child<QComboBox>(&form, "cboSS")->setCurrentIndex(input.secondIndex);
    Child<QComboBox>(&form, "cmbTimeZone")->setCurrentIndex(input.zoneIndex);
    Child<QCheckBox>(&form, "chkDST")->setChecked(input.dst);
    Child<QLineEdit>(&form, "txtLonD")->setText(input.lonDeg);
    Child<QLineEdit>(&form, "txtLonM")->setText(input.lonMin);
    Child<QRadioButton>(&form, input.east ? "optLong_0" : "optLong_1")->setChecked(true);
    Child<QLineEdit>(&form, "txtLatD")->setText(input.latDeg);
    Child<QLineEdit>(&form, "txtLatM")->setText(input.latMin);
    Child<QRadioButton>(&form, input.south ? "optLat_1" : "optLat_0")->setChecked(true);
}

// The text a control shows as its caption: a label's text, a frame's title, a button's text.
inline QString Caption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    return {};
}

// The Part of Fortune and its paragraph as the result window shows them.
inline QString ShownCaption() {
    return Child<QLabel>(&windows::Display(), "lblPartOfFortune")->text();
}
inline QString ShownParagraph() {
    return Child<QLabel>(&windows::Display(), "lblPartOfFortuneDesc")->text();
}

// A list as one readable text, for comparisons whose failure should show the entries.
inline std::string Joined(const QStringList& entries) {
    return entries.join(QStringLiteral(", ")).toStdString();
}

// Every test starts with no window loaded and the recording platform installed, and leaves
// no window behind.
class FormTest : public ::testing::Test {
  protected:
    void TearDown() override { test_support::UnloadAllWindows(); }

    // The main window, loaded, shown and active, as the start-up leaves it.
    frmMain& ShownMainWindow() {
        frmMain& form = windows::Main();
        form.show();
        Activate(form);
        return form;
    }

    // A reading of `input` requested from the shown main window; the result window is active.
    frmDisplay& ShownReading(const BirthInput& input = {}) {
        frmMain& form = windows::Main();
        if (!form.isVisible()) {
            ShownMainWindow();
        }
        Fill(form, input);
        form.cmdRashi_Click();
        Activate(windows::Display());
        return windows::Display();
    }

    static void Activate(QWidget& window) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << "window did not become active";
    }

    QStringList MessageTexts() const {
        QStringList texts;
        for (const auto& shown : fake.messages.shown) {
            texts.append(shown.text);
        }
        return texts;
    }

    // Exactly one message was shown: `text` with `icon`.
    void ExpectOneMessage(const QString& text, MessageIcon icon, const std::string& context) {
        ASSERT_EQ(fake.messages.shown.size(), 1u) << context << ": " << Joined(MessageTexts());
        EXPECT_EQ(fake.messages.shown[0].text, text) << context;
        EXPECT_EQ(fake.messages.shown[0].icon, icon) << context;
    }

    fakes::FakePlatform fake;
};

}  // namespace fortunix::formtests
