# The atlas behind the latitude/longitude look-up, tested against the real atlas.
add_executable(fortunix_atlas_tests
    support/gui_test_main.cpp
    atlas/SearchKeyTest.cpp
    atlas/ArcMinutesTest.cpp
    atlas/AtlasTablesTest.cpp
    atlas/PlaceSearchTest.cpp
    atlas/OtherNamesTest.cpp
    atlas/BirthZoneTest.cpp
    tools/CandidateLineTest.cpp
    ${PROJECT_SOURCE_DIR}/tools/fortunix-atlas/CandidateLine.cpp
)
target_include_directories(fortunix_atlas_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                                        ${PROJECT_SOURCE_DIR}/tools/fortunix-atlas)
target_link_libraries(fortunix_atlas_tests PRIVATE fortunix_gui fortunix_warnings Qt6::Test
                                                   GTest::gtest)
gtest_discover_tests(fortunix_atlas_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
