# kova_add_test(NAME SOURCES... [LIBS libs...] [DEFINITIONS defs...] [SHARDS n])
# Builds a GoogleTest executable with the shared test support and registers it
# with CTest, headless (offscreen platform, C locale, private runtime dir).
# With SHARDS, CTest runs it as n programs that each take every n-th test, so
# that a large program still keeps both cores busy. Test programs are made in
# tests/ only: they all share one set of compile definitions and so one
# precompiled header.
function(kova_add_test name)
  cmake_parse_arguments(ARG "" "SHARDS" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  # Never batched into unity files: GoogleTest derives its test classes from
  # the files' anonymous fixtures, which only works in a file of its own.
  set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
  target_link_libraries(${name} PRIVATE kova_test_support ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  kova_reuse_precompiled_headers(${name} kova_test_support)
  add_dependencies(${name} kova_assets)
  set(environment "QT_QPA_PLATFORM=offscreen;LC_ALL=C;LANG=C;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/runtime")
  if(NOT ARG_SHARDS)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 240)
    return()
  endif()
  math(EXPR last_shard "${ARG_SHARDS} - 1")
  foreach(shard RANGE ${last_shard})
    add_test(NAME ${name}_${shard} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${name}_${shard} PROPERTIES
      ENVIRONMENT "${environment};GTEST_TOTAL_SHARDS=${ARG_SHARDS};GTEST_SHARD_INDEX=${shard}"
      TIMEOUT 240)
  endforeach()
endfunction()

# kova_add_test_sources(AREA SOURCES...): test files of one area (such as
# "exercises"), kept for the one test program of that area that tests/ makes.
# An exercise names its own test files, so a skipped exercise takes its tests
# with it.
function(kova_add_test_sources area)
  set_property(GLOBAL APPEND PROPERTY KOVA_TEST_SOURCES_${area} ${ARGN})
endfunction()

function(kova_test_sources area out)
  get_property(sources GLOBAL PROPERTY KOVA_TEST_SOURCES_${area})
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# Precompiled headers: the Qt and standard headers that the base headers
# (shell/forms.h, tests/support/kova_test.h) bring into nearly every file
# anyway, parsed once per library instead of once per file. Every other
# include is still compiled file by file.
option(KOVA_PRECOMPILED_HEADERS "Precompile the Qt headers that nearly every file includes" ON)
set(KOVA_PRECOMPILED_HEADERS_SHELL <QPointer> <QString> <QStringList> <QWidget> <functional> <memory>)
set(KOVA_PRECOMPILED_HEADERS_TESTS ${KOVA_PRECOMPILED_HEADERS_SHELL} <QTest> <gtest/gtest.h>)

function(kova_precompile_headers target)
  if(KOVA_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

function(kova_reuse_precompiled_headers target from)
  if(KOVA_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()

# kova_add_exercise(NAME REGISTER_FUNCTION SOURCES...)
# Builds one exercise as a static library and records the function that
# registers its screens, so the program's registry calls it.
function(kova_add_exercise name register_function)
  add_library(kova_${name} STATIC ${ARGN})
  target_link_libraries(kova_${name} PUBLIC kova_shell)
  target_include_directories(kova_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  kova_reuse_precompiled_headers(kova_${name} kova_shell)
  set_property(GLOBAL APPEND PROPERTY KOVA_EXERCISE_LIBS kova_${name})
  set_property(GLOBAL APPEND PROPERTY KOVA_EXERCISE_REGISTRARS ${register_function})
endfunction()

# kova_add_benchmark(NAME SOURCES... [LIBS libs...]): built and run by the
# `bench` target only, never by CTest.
function(kova_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} EXCLUDE_FROM_ALL ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kova_test_support ${ARG_LIBS})
  set_property(GLOBAL APPEND PROPERTY KOVA_BENCHMARKS ${name})
endfunction()
