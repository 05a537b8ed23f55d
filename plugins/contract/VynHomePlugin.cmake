# vyn_add_home_plugin(<target> SOURCES <file>... [LIBS <library>...] [SETTINGS | SETTINGS_ONLY])
#
# A library that the home-screen host or the settings program opens with dlopen. It is built as
# a module into ${CMAKE_BINARY_DIR}/lib, the folder the host looks in, with hidden visibility, the
# static libraries it links kept inside (--exclude-libs) and no undefined symbols; it links the
# contract and the platform. After every build its dynamic symbol table is checked for the C
# exports of its kind: createInstance, destroyInstance and isActivated for a plugin, and
# getSettingInfo as well with SETTINGS (plugin and settings library) or alone with SETTINGS_ONLY.
#
# Plugins are listed in the global property VYN_HOME_PLUGINS, settings libraries in
# VYN_SETTINGS_LIBRARIES, so tests that check every one of them can depend on them.
function(vyn_add_home_plugin target)
    cmake_parse_arguments(ARG "SETTINGS;SETTINGS_ONLY" "" "SOURCES;LIBS" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vyn_add_home_plugin(${target}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT ARG_SOURCES)
        message(FATAL_ERROR "vyn_add_home_plugin(${target}): SOURCES is empty")
    endif()

    set(exports)
    if(NOT ARG_SETTINGS_ONLY)
        list(APPEND exports createInstance destroyInstance isActivated)
        set_property(GLOBAL APPEND PROPERTY VYN_HOME_PLUGINS ${target})
    endif()
    if(ARG_SETTINGS OR ARG_SETTINGS_ONLY)
        list(APPEND exports getSettingInfo)
        set_property(GLOBAL APPEND PROPERTY VYN_SETTINGS_LIBRARIES ${target})
    endif()

    add_library(${target} MODULE ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE hs_contract vyn_platform ${ARG_LIBS})
    set_target_properties(${target} PROPERTIES
        PREFIX "lib"
        LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib"
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)

    if(NOT CMAKE_NM)
        message(FATAL_ERROR "vyn_add_home_plugin(${target}): no nm found to check the exports")
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DLIBRARY=$<TARGET_FILE:${target}> "-DEXPORTS=${exports}"
                -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/checkexports.cmake
        VERBATIM)
endfunction()
