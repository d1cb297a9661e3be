# The program's layers, lowest first. Each folder of src/ is one static library,
# fortunix_<folder>, that may use only the layers below it. fortunix_add_layer refuses any
# other at once, and a check at the end of the configuration refuses an upward link added
# later by hand, so that an upward dependency stops the build before any code is compiled.
set(FORTUNIX_LAYERS ephemeris reading atlas zones platform widgets shell forms app)

# fortunix_add_layer(<folder> SOURCES <files...> [USES <lower layers...>] [LIBRARIES <other...>])
function(fortunix_add_layer layer)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;USES;LIBRARIES")
    list(FIND FORTUNIX_LAYERS ${layer} rank)
    if(rank LESS 0)
        message(FATAL_ERROR "${layer} is not one of the layers: ${FORTUNIX_LAYERS}")
    endif()
    set(used_targets)
    foreach(used IN LISTS arg_USES)
        list(FIND FORTUNIX_LAYERS ${used} used_rank)
        if(used_rank LESS 0 OR NOT used_rank LESS rank)
            message(FATAL_ERROR "Layer ${layer} may not use ${used}: only layers below it")
        endif()
        list(APPEND used_targets fortunix_${used})
    endforeach()
    add_library(fortunix_${layer} STATIC ${arg_SOURCES})
    target_include_directories(fortunix_${layer} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(fortunix_${layer} PUBLIC ${used_targets} ${arg_LIBRARIES}
                                            PRIVATE fortunix_warnings)
endfunction()

# Run once everything is configured: every link of a layer to another layer points down.
function(fortunix_check_layer_links)
    foreach(layer IN LISTS FORTUNIX_LAYERS)
        if(NOT TARGET fortunix_${layer})
            continue()  # the Qt layers when only the core is built
        endif()
        list(FIND FORTUNIX_LAYERS ${layer} rank)
        get_target_property(links fortunix_${layer} LINK_LIBRARIES)
        get_target_property(interface_links fortunix_${layer} INTERFACE_LINK_LIBRARIES)
        foreach(link IN LISTS links interface_links)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            if(link MATCHES "^fortunix_(.+)$" AND CMAKE_MATCH_1 IN_LIST FORTUNIX_LAYERS)
                list(FIND FORTUNIX_LAYERS ${CMAKE_MATCH_1} used_rank)
                if(NOT used_rank LESS rank)
                    message(FATAL_ERROR "Layer ${layer} links ${link}: only layers below it")
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL fortunix_check_layer_links)
