# The atlas behind the latitude/longitude look-up, tested with nothing but the atlas library
# (and against the real atlas it holds).
add_executable(fortunix_atlas_tests
    atlas/TableRowsTest.cpp
    atlas/BuiltInTablesTest.cpp
    atlas/KeyLettersTest.cpp
    atlas/SearchKeyTest.cpp
    atlas/AtlasTest.cpp
    atlas/AtlasOtherNamesTest.cpp
    atlas/AtlasKeyScanTest.cpp
    atlas/NameMatchTest.cpp
    atlas/LetterEditsTest.cpp
    atlas/CityCandidatesTest.cpp
    atlas/RegionsNamedTest.cpp
    atlas/PlaceRankingTest.cpp
    atlas/PlaceSearchTest.cpp
    atlas/LookupQueryTest.cpp
    atlas/PlaceLineTest.cpp
    atlas/ArcMinutesTest.cpp
)
target_include_directories(fortunix_atlas_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_atlas_tests PRIVATE fortunix_atlas fortunix_warnings GTest::gtest_main)
gtest_discover_tests(fortunix_atlas_tests DISCOVERY_TIMEOUT 60)

# The zone history's test and the atlas tool's, kept apart from the atlas tests until they
# have executables of their own.
add_executable(fortunix_zones_and_tool_tests
    zones/BirthZoneTest.cpp
    tools/CandidateLineTest.cpp
    ${PROJECT_SOURCE_DIR}/tools/fortunix-atlas/CandidateLine.cpp
)
target_include_directories(fortunix_zones_and_tool_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                                           ${PROJECT_SOURCE_DIR}/tools/fortunix-atlas)
target_link_libraries(fortunix_zones_and_tool_tests PRIVATE fortunix_zones fortunix_warnings
                                                            GTest::gtest_main)
gtest_discover_tests(fortunix_zones_and_tool_tests DISCOVERY_TIMEOUT 60)

# fortunix-atlas as a user runs it: Nepal's +5:45 in 2000 is an exact offset, and a place that
# nothing matches ends with status 1.
add_test(NAME fortunix_atlas_exact_offset
         COMMAND fortunix-atlas Kathmandu Bagmati Nepal --at 2000-07-01T12:00)
set_tests_properties(fortunix_atlas_exact_offset PROPERTIES
                     PASS_REGULAR_EXPRESSION "\tAsia/Kathmandu\t\\+05:45\t0\texact")
add_test(NAME fortunix_atlas_no_place COMMAND fortunix-atlas Xyzzyville Nowhere Atlantis)
set_tests_properties(fortunix_atlas_no_place PROPERTIES WILL_FAIL TRUE)
