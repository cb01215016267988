# The libraries of the Windows cross build that Debian ships only for the host:
# GoogleTest built from its source package, CLI11 from its headers.

set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source (Debian's googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own warnings are not this project's.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

# CLI11 is header-only, but its folder is the host's /usr/include, whose C headers
# must not reach the cross compiler: a folder of its own holds a link to CLI/ alone.
find_path(CLI11_HOST_INCLUDE CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(CLI11_ONLY_INCLUDE ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${CLI11_ONLY_INCLUDE})
file(CREATE_LINK ${CLI11_HOST_INCLUDE}/CLI ${CLI11_ONLY_INCLUDE}/CLI SYMBOLIC)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${CLI11_ONLY_INCLUDE})
