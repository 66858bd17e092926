# One place for per-target compile settings, so that no flags leak in globally.

option(BRIVEL_WERROR "Treat warnings as errors" OFF)
set(SANITIZE "" CACHE STRING "Comma-separated sanitizers, e.g. address,undefined")

add_library(brivel_sanitizers INTERFACE)
if(SANITIZE)
    target_compile_options(brivel_sanitizers INTERFACE -fsanitize=${SANITIZE} -fno-omit-frame-pointer)
    target_link_options(brivel_sanitizers INTERFACE -fsanitize=${SANITIZE})
endif()

function(brivel_configure_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wpedantic)
    if(BRIVEL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_link_libraries(${target} PRIVATE brivel_sanitizers)
endfunction()

# Adds a GoogleTest executable of one area and registers it with CTest.
function(brivel_add_test name)
    cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    brivel_configure_target(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} brivel_testsupport brivel_testmain GTest::gmock GTest::gtest)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    if(NOT ARG_LABEL)
        set(ARG_LABEL unit)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABEL}"
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;BRIVEL_TEST_OUTPUT=${CMAKE_BINARY_DIR}/test-output")
endfunction()
