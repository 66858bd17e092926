# The version every program reports (--version) and the package carries: the
# project's version, written into a header at configure time.
configure_file(${CMAKE_CURRENT_LIST_DIR}/BrivelVersion.h.in
    ${CMAKE_BINARY_DIR}/generated/BrivelVersion.h @ONLY)
add_library(brivel_version INTERFACE)
target_include_directories(brivel_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
