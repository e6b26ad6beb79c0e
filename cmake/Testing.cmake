# Test programs for the three builds:
# - native: GoogleTest programs under the sanitizers, and every fuzz target replaying its
#   committed corpus;
# - fuzz (clang, VQ_FUZZ): the fuzz targets under libFuzzer, each run for a short time;
# - win32: GoogleTest programs run under Wine.
enable_testing()

option(VQ_FUZZ "Build the fuzz targets with clang's libFuzzer instead of the tests" OFF)
set(VQ_FUZZ_SECONDS 10 CACHE STRING "How long each fuzz target runs in the test command")

if(VQ_FUZZ)
  # Only fuzz targets; no GoogleTest.
elseif(WIN32)
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

# Test programs are compiled for a short build. Unoptimised, they take GoogleTest's header
# precompiled from the test support library (its parsing was a second of each test file's
# compile). In an optimised build their own code compiles at -O1 instead of the build's
# level (-O3 takes a third longer), and without that header: with it GCC 12 reports
# libstdc++'s string code inlined into test files as out of bounds (false -Warray-bounds
# positives). The libraries under test keep the build's own optimisation.
string(COMPARE EQUAL "${CMAKE_BUILD_TYPE}" Debug VQ_PRECOMPILED_GTEST)

# vq_add_test(<name> SOURCES <files...> LIBS <targets...>): one GoogleTest program, one
# CTest entry.
function(vq_add_test name)
  if(VQ_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} VQ::gmock VQ::gtest_main)
  if(VQ_PRECOMPILED_GTEST)
    target_precompile_headers(${name} REUSE_FROM vq_test_support)
  else()
    target_compile_options(${name} PRIVATE -O1)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  # Tests find their generated fixtures relative to the build tree.
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# vq_add_form_test(<name> FORM <Form> RESOURCES <file.rc> SOURCES <files...> LIBS
# <targets...>): a test program whose resource script embeds <Form>.form, written from
# forms/<Form>.form.in of the test's folder with the program's own skin (slate.skn) put in
# for @SKIN_DATA@.
function(vq_add_form_test name)
  if(VQ_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "FORM;RESOURCES" "SOURCES;LIBS" ${ARGN})
  set(template ${CMAKE_CURRENT_SOURCE_DIR}/forms/${ARG_FORM}.form.in)
  set(form ${CMAKE_CURRENT_BINARY_DIR}/forms/${ARG_FORM}.form)
  add_custom_command(OUTPUT ${form}
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${template} -DCONTAINER=${VQ_SKIN_DIR}/slate.skn -DOUTPUT=${form}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedStoredSkin.cmake
    DEPENDS ${template} ${VQ_SKIN_DIR}/slate.skn ${CMAKE_SOURCE_DIR}/cmake/EmbedStoredSkin.cmake
    COMMENT "Writing the skin into the form ${ARG_FORM}")
  add_custom_target(${name}_form DEPENDS ${form})
  set_source_files_properties(${ARG_RESOURCES} PROPERTIES OBJECT_DEPENDS ${form})
  vq_add_test(${name} SOURCES ${ARG_SOURCES} ${ARG_RESOURCES} LIBS ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/forms)
  add_dependencies(${name} ${name}_form)
endfunction()

# vq_add_fuzzer(<name> SOURCES <files...> LIBS <targets...>): a libFuzzer target
# (LLVMFuzzerTestOneInput) with its committed corpus in corpus/<name>/ beside the
# CMakeLists.txt. Natively it replays that corpus; in the fuzz build it fuzzes.
function(vq_add_fuzzer name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  if(VQ_FUZZ)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/corpus-${name})
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                     $<TARGET_FILE:${name}> -max_total_time=${VQ_FUZZ_SECONDS} -timeout=5
                     -rss_limit_mb=1024 -print_final_stats=1 ${work} ${corpus})
    file(MAKE_DIRECTORY ${work})
  else()
    add_executable(${name}_replay ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/FuzzReplayMain.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${corpus})
  endif()
endfunction()
