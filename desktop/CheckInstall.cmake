cmake_minimum_required(VERSION 3.22)
# Installs the build into PREFIX and checks what a desktop needs of it, the
# manual pages and the copyright file.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file bin/brivel bin/kvos-sim bin/kvs share/applications/brivel.desktop
        share/icons/hicolor/scalable/apps/brivel.svg share/man/man1/brivel.1.gz
        share/man/man1/kvos-sim.1.gz share/man/man1/kvs.1.gz share/doc/brivel/copyright)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
    message(FATAL_ERROR "desktop-file-validate is missing: run scripts/install-deps.sh")
endif()
execute_process(COMMAND ${VALIDATE} "${PREFIX}/share/applications/brivel.desktop"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()

# The entry names the icon and the program that were installed.
file(STRINGS "${PREFIX}/share/applications/brivel.desktop" entry)
if(NOT "Icon=brivel" IN_LIST entry OR NOT "Exec=brivel" IN_LIST entry)
    message(FATAL_ERROR "the entry does not name the installed icon and program")
endif()
