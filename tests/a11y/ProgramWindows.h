#pragma once

#include <QApplication>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "forms/FormTestSupport.h"
#include "forms/frmAbout.h"
#include "forms/frmNagScreen2.h"
#include "forms/frmPlaceChoice.h"

namespace fortunix::a11ytests {

struct WindowUnderTest {
    const char* name;
    std::function<QWidget*()> open;
};

// For the checks that go over every window of the program.
class ProgramWindowsTest : public formtests::FormTest {
  protected:
    // Each window, loaded but not yet shown.
    std::vector<WindowUnderTest> Windows() {
        return {
            {"main window", [] { return static_cast<QWidget*>(&windows::Main()); }},
            {"result window", [] { return static_cast<QWidget*>(&windows::Display()); }},
            {"refer-a-friend window", [] { return static_cast<QWidget*>(&windows::NagScreen()); }},
            {"about box", [this] { return Keep(std::make_unique<frmAbout>()); }},
            {"place choice with matches",
             [this] {
                 return Keep(std::make_unique<frmPlaceChoice>(
                     PlaceChoice{QStringLiteral("Paris, IDF, France"),
                                 QStringList{QStringLiteral("Paris, Ile-de-France, France"),
                                             QStringLiteral("Paris, Texas, United States")},
                                 false, QString()}));
             }},
            {"place choice without matches",
             [this] {
                 return Keep(std::make_unique<frmPlaceChoice>(PlaceChoice{
                     QStringLiteral("Xyzzyville, Nowhere, Atlantis"), {}, false, QString()}));
             }},
            {"place choice of close spellings, country unknown",
             [this] {
                 return Keep(std::make_unique<frmPlaceChoice>(
                     PlaceChoice{QStringLiteral("Lodnon, Royaume-Uni"),
                                 QStringList{QStringLiteral("London, England, United Kingdom")},
                                 true, QStringLiteral("Royaume-Uni")}));
             }},
        };
    }

    // Shows the window, so that its layout is settled.
    static void Settle(QWidget* window) {
        window->show();
        QApplication::processEvents();
    }

  private:
    QWidget* Keep(std::unique_ptr<QWidget> window) {
        kept_.push_back(std::move(window));
        return kept_.back().get();
    }
    std::vector<std::unique_ptr<QWidget>> kept_;
};

}  // namespace fortunix::a11ytests
