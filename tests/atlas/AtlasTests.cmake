# The atlas behind the latitude/longitude look-up, tested with nothing but the atlas library
# (and against the real atlas it holds).
add_executable(fortunix_atlas_tests
    atlas/TableRowsTest.cpp
    atlas/BuiltInTablesTest.cpp
    atlas/KeyLettersTest.cpp
    atlas/SearchKeyTest.cpp
    atlas/AtlasTest.cpp
    atlas/AtlasImageTest.cpp
    atlas/AtlasOtherNamesTest.cpp
    atlas/OwnScriptNamesTest.cpp
    atlas/AtlasKeyScanTest.cpp
    atlas/ColumnSearchTest.cpp
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
    atlas/CountryNamesByLanguageTest.cpp
    atlas/ArcMinutesTest.cpp
    atlas/QuotedExcerptTest.cpp
)
target_include_directories(fortunix_atlas_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_atlas_tests PRIVATE fortunix_atlas_image fortunix_warnings
                                                   GTest::gtest_main)
fortunix_add_atlas_tables(fortunix_atlas_tests)
fortunix_add_country_names_by_language(fortunix_atlas_tests)
gtest_discover_tests(fortunix_atlas_tests DISCOVERY_TIMEOUT 60)


# tools/atlas/search-key.js and SearchKey run on the same texts (needs Node.js, which
# scripts/packages-test.txt installs; not under Wine).
if(NOT CMAKE_CROSSCOMPILING)
    find_program(FORTUNIX_NODE NAMES node nodejs)
    add_executable(fortunix_search_key_script_tests atlas/SearchKeyScriptTest.cpp)
    target_include_directories(fortunix_search_key_script_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(fortunix_search_key_script_tests PRIVATE
        FORTUNIX_NODE="${FORTUNIX_NODE}"
        FORTUNIX_SEARCH_KEY_JS="${PROJECT_SOURCE_DIR}/tools/atlas/search-key.js")
    target_link_libraries(fortunix_search_key_script_tests PRIVATE fortunix_atlas fortunix_warnings
                                                                   GTest::gtest_main)
    gtest_discover_tests(fortunix_search_key_script_tests DISCOVERY_TIMEOUT 30)
endif()
