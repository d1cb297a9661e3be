#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#ifdef FORTUNIX_TEST_PROGRAM_STYLE
#include "widgets/ProgramStyle.h"
#endif

// One QApplication for every widget test. The platform comes from the environment (CTest
// sets offscreen), so a manual run can still choose one.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();  // CTest's discovery: no window system needed
    }
    QStandardPaths::setTestModeEnabled(true);  // never the real user's files
    QApplication application(argc, argv);
#ifdef FORTUNIX_TEST_PROGRAM_STYLE
    fortunix::UseProgramStyle();  // the windows look as the program draws them
#endif
    return RUN_ALL_TESTS();
}
