# The atlas behind the latitude/longitude look-up, tested against the real atlas.
add_executable(fortunix_atlas_tests
    atlas/SearchKeyTest.cpp
    atlas/ArcMinutesTest.cpp
    atlas/AtlasTablesTest.cpp
    atlas/PlaceSearchTest.cpp
    atlas/OtherNamesTest.cpp
    atlas/PlaceZonesTest.cpp
)
target_include_directories(fortunix_atlas_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_atlas_tests PRIVATE fortunix_zones fortunix_warnings GTest::gtest_main)
gtest_discover_tests(fortunix_atlas_tests DISCOVERY_TIMEOUT 60)

