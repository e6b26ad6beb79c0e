# GoogleTest for both builds and one helper that adds a test program as one CTest entry.
enable_testing()

if(WIN32)
  # Debian ships the GoogleTest sources; build them with the cross toolchain.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  add_library(VQ::gtest_main ALIAS gtest_main)
  add_library(VQ::gmock ALIAS gmock)
else()
  find_package(GTest REQUIRED)
  add_library(VQ::gtest_main ALIAS GTest::gtest_main)
  add_library(VQ::gmock ALIAS GTest::gmock)
endif()

# vq_add_test(<name> SOURCES <files...> LIBS <targets...>)
function(vq_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} VQ::gmock VQ::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  # Tests find their generated fixtures relative to the build tree.
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
