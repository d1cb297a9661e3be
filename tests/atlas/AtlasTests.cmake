# The atlas behind the latitude/longitude look-up, tested with nothing but the atlas library
# (and against the real atlas it holds).
add_executable(fortunix_atlas_tests
    atlas/TableRowsTest.cpp
    atlas/BuiltInTablesTest.cpp
    atlas/KeyLettersTest.cpp
    atlas/SearchKeyTest.cpp
    atlas/PlaceNameKeyTest.cpp
    atlas/AtlasTest.cpp
    atlas/AtlasOtherNamesTest.cpp
    atlas/OwnScriptNamesTest.cpp
    atlas/AtlasKeyScanTest.cpp
    atlas/NameMatchTest.cpp
    atlas/LetterEditsTest.cpp
    atlas/CityCandidatesTest.cpp
    atlas/RegionsNamedTest.cpp
    atlas/PlaceRankingTest.cpp
    atlas/DivisionTablesTest.cpp
    atlas/PlaceSearchTest.cpp
    atlas/PlaceZonesTest.cpp
    atlas/LookupQueryTest.cpp
    atlas/PlaceLineTest.cpp
    atlas/ArcMinutesTest.cpp
    atlas/QuotedExcerptTest.cpp
)
target_include_directories(fortunix_atlas_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_atlas_tests PRIVATE fortunix_atlas fortunix_warnings GTest::gtest_main)
gtest_discover_tests(fortunix_atlas_tests DISCOVERY_TIMEOUT 60)

