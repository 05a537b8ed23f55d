# vyn_emulated_programs(DIR): for every program built below DIR, a script of the same name in
# bin-emulated/ that runs it through the emulator, so tests can start target programs by path.
function(vyn_emulated_programs dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            list(JOIN VYN_RUN_PREFIX " " prefix)
            file(GENERATE OUTPUT "${VYN_RUN_BIN_DIR}/$<TARGET_FILE_NAME:${target}>"
                 CONTENT "#!/bin/sh\nexec ${prefix} \"$<TARGET_FILE:${target}>\" \"$@\"\n"
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir ${subdirs})
        vyn_emulated_programs(${subdir})
    endforeach()
endfunction()
