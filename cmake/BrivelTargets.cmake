# One place for per-target compile settings, so that no flags leak in globally.

option(BRIVEL_WERROR "Treat warnings as errors" OFF)
set(SANITIZE "" CACHE STRING "Comma-separated sanitizers, e.g. address,undefined")

option(BRIVEL_FUZZ "Build the libFuzzer targets in fuzz/ (clang only)" OFF)

add_library(brivel_sanitizers INTERFACE)
if(BRIVEL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "BRIVEL_FUZZ needs clang: configure with CXX=clang++")
    endif()
    if(SANITIZE)
        message(FATAL_ERROR "BRIVEL_FUZZ brings its own sanitizers; leave SANITIZE empty")
    endif()
    # The project's code gets the fuzzer's coverage and both sanitizers; Qt
    # comes prebuilt and stays uninstrumented. Any undefined behaviour stops
    # the run like a crash, so that it counts as a finding. Tracing every
    # comparison would halve the runs a target makes in its time, and the
    # seeds already carry the magic and envelope bytes it would help find.
    target_compile_options(brivel_sanitizers INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-coverage=trace-cmp
        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(brivel_sanitizers INTERFACE -fsanitize=address,undefined)
elseif(SANITIZE)
    # A finding ends the test that made it, so that it cannot pass unnoticed.
    target_compile_options(brivel_sanitizers INTERFACE -fsanitize=${SANITIZE} -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
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

# Adds a libFuzzer target: an executable whose sources define
# LLVMFuzzerTestOneInput, seeded from fuzz/corpus/<name>/. MAX_LEN bounds the
# inputs the fuzzer makes up (default 4096 bytes).
function(brivel_add_fuzzer name)
    cmake_parse_arguments(ARG "" "MAX_LEN" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    brivel_configure_target(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers ${name})
    if(NOT ARG_MAX_LEN)
        set(ARG_MAX_LEN 4096)
    endif()
    set_property(GLOBAL APPEND PROPERTY BRIVEL_FUZZERS "${name} -max_len=${ARG_MAX_LEN}")
endfunction()
