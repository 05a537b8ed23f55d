# vyn_add_translations(<target> [WITH <library>...])
#
# The texts of a deliverable in other languages: translations/<target>_<language>.ts beside the
# CMakeLists.txt that calls this (<language> as the device's language setting names it: "ar",
# "fr"). A static library whose texts are built into several deliverables declares its files the
# same way, and each deliverable that carries it names it after WITH.
#
# For every language, one <target>_<language>.qm is made at build time from the deliverable's file
# and those of its WITH libraries. It lands in the build's device image (tests and the simulator
# copy it into their device root, where the platform loads every .qm of the display language) and
# is installed into the packaged image with the deliverable's package. Compiled translations are
# never committed.
include_guard(GLOBAL)

set(VYN_TRANSLATIONS_DEVICE_DIR "usr/SYSqtapp/translations")

function(vyn_add_translations target)
    cmake_parse_arguments(ARG "" "" "WITH" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vyn_add_translations(${target}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT TARGET ${target})
        message(FATAL_ERROR "vyn_add_translations(${target}): no such target")
    endif()
    file(GLOB candidates CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/translations/${target}_*.ts")
    set(ts_files)
    foreach(ts ${candidates})
        # azaan_settings_*.ts also matches azaan_settings_ui_ar.ts: keep only <target>_<language>.
        get_filename_component(name ${ts} NAME_WE)
        if(name MATCHES "^${target}_[a-z][a-z](-[a-z]+)?$")
            list(APPEND ts_files ${ts})
        endif()
    endforeach()
    set_property(GLOBAL PROPERTY VYN_TS_FILES_${target} ${ts_files})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "OBJECT_LIBRARY")
        return()
    endif()
    set_property(GLOBAL APPEND PROPERTY VYN_TRANSLATED_TARGETS ${target})
    # The WITH libraries may be declared in folders read later: collect at the end. (A deferred
    # call reads its variables when it runs, so the values are put in now.)
    cmake_language(EVAL CODE
        "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL _vyn_make_translations ${target} ${ARG_WITH})")
endfunction()

function(_vyn_make_translations target)
    get_property(ts_files GLOBAL PROPERTY VYN_TS_FILES_${target})
    foreach(library ${ARGN})
        get_property(declared GLOBAL PROPERTY VYN_TS_FILES_${library} SET)
        if(NOT declared)
            message(FATAL_ERROR "vyn_add_translations(${target}): ${library} declares no translations")
        endif()
        get_property(library_ts GLOBAL PROPERTY VYN_TS_FILES_${library})
        list(APPEND ts_files ${library_ts})
    endforeach()

    set(languages)
    foreach(ts ${ts_files})
        get_filename_component(name ${ts} NAME_WE)
        string(REGEX MATCH "[a-z][a-z](-[a-z]+)?$" language ${name})
        list(APPEND languages ${language})
    endforeach()
    list(REMOVE_DUPLICATES languages)

    set(output_dir "${VYN_BUILD_IMAGE_DIR}/${VYN_TRANSLATIONS_DEVICE_DIR}")
    set(qm_files)
    foreach(language ${languages})
        set(inputs)
        foreach(ts ${ts_files})
            get_filename_component(name ${ts} NAME_WE)
            if(name MATCHES "_${language}$")
                list(APPEND inputs ${ts})
            endif()
        endforeach()
        set(qm "${output_dir}/${target}_${language}.qm")
        add_custom_command(OUTPUT ${qm}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
            COMMAND Qt6::lrelease -silent -nounfinished ${inputs} -qm ${qm}
            DEPENDS ${inputs} Qt6::lrelease
            COMMENT "Translations of ${target} (${language})"
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    if(NOT qm_files)
        return()
    endif()
    add_custom_target(${target}_translations ALL DEPENDS ${qm_files})
    add_dependencies(${target} ${target}_translations)
    set_property(GLOBAL APPEND PROPERTY VYN_TRANSLATION_TARGETS ${target}_translations)

    get_target_property(component ${target} VYN_PACKAGE)
    if(NOT component)
        message(FATAL_ERROR "vyn_add_translations(${target}): the target is not installed (cmake/VynInstall.cmake)")
    endif()
    install(FILES ${qm_files} DESTINATION "${VYN_INSTALL_IMAGE_DIR}/${VYN_TRANSLATIONS_DEVICE_DIR}"
            COMPONENT ${component})
endfunction()

# A test that reads every compiled translation builds after all of them.
function(_vyn_depend_on_translations target)
    get_property(translation_targets GLOBAL PROPERTY VYN_TRANSLATION_TARGETS)
    if(translation_targets)
        add_dependencies(${target} ${translation_targets})
    endif()
endfunction()
