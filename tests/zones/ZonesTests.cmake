# The zones layer on its own (no widgets): the zone history, the zone of a birth moment and
# the row it proposes and the list following a birthplace, tested against the tz database.
add_executable(fortunix_zones_tests
    zones/ZoneHistoryTest.cpp
    zones/BirthZoneTest.cpp
    zones/ZoneProposalTest.cpp
    zones/ZoneFollowingTest.cpp
)
target_include_directories(fortunix_zones_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_zones_tests PRIVATE fortunix_zones fortunix_warnings
                                                   GTest::gtest_main)
fortunix_add_atlas_tables(fortunix_zones_tests)  # the places' zones are checked against them
gtest_discover_tests(fortunix_zones_tests DISCOVERY_TIMEOUT 60)
