# The atlas of populated places behind the latitude/longitude look-up: Qt Core only.
find_package(Qt6 REQUIRED COMPONENTS Core)

add_library(fortunix_atlas STATIC
    atlas/SearchKey.cpp
    atlas/Atlas.cpp
    atlas/AtlasOtherNames.cpp
    atlas/AtlasKeyScan.cpp
    atlas/BuiltInAtlas.cpp
    atlas/PlaceSearch.cpp
    atlas/LookupQuery.cpp
    atlas/ArcMinutes.cpp
    atlas/PlaceLine.cpp
    atlas/PlaceZones.cpp
    atlas/ZoneHistory.cpp
    atlas/BirthZone.cpp
    atlas/ZoneProposal.cpp
    atlas/ZoneDescription.cpp
)
target_include_directories(fortunix_atlas PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fortunix_atlas PUBLIC Qt6::Core fortunix_core PRIVATE fortunix_warnings)

# The tables go into the program compressed; they are read only on the first look-up.
# Text shrinks to about 40%, short of rcc's default bar of saving 70%, hence the threshold.
set(FORTUNIX_ATLAS_DATA ${PROJECT_SOURCE_DIR}/data/atlas)
qt_add_resources(fortunix_atlas fortunix_atlas_data
    PREFIX /atlas
    OPTIONS --compress-algo zstd --compress 19 --threshold 30
    BASE ${FORTUNIX_ATLAS_DATA}
    FILES ${FORTUNIX_ATLAS_DATA}/countries.tsv
          ${FORTUNIX_ATLAS_DATA}/divisions.tsv
          ${FORTUNIX_ATLAS_DATA}/places.tsv
          ${FORTUNIX_ATLAS_DATA}/place-names.tsv
          ${FORTUNIX_ATLAS_DATA}/place-name-keys.tsv
          ${FORTUNIX_ATLAS_DATA}/country-names.tsv
          ${FORTUNIX_ATLAS_DATA}/place-zones.tsv
          ${FORTUNIX_ATLAS_DATA}/zone-history.tsv
)
