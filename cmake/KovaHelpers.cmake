# kova_add_test(NAME SOURCES... [LIBS libs...])
# Builds a GoogleTest executable with the shared test support and registers it
# with CTest, headless (offscreen platform, C locale, private runtime dir).
function(kova_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  # Never batched into unity files: GoogleTest derives its test classes from
  # the files' anonymous fixtures, which only works in a file of its own.
  set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
  target_link_libraries(${name} PRIVATE kova_test_support ${ARG_LIBS})
  add_dependencies(${name} kova_assets)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C;LANG=C;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/runtime"
    TIMEOUT 240)
endfunction()

# kova_add_exercise(NAME REGISTER_FUNCTION SOURCES...)
# Builds one exercise as a static library and records the function that
# registers its screens, so the program's registry calls it.
function(kova_add_exercise name register_function)
  add_library(kova_${name} STATIC ${ARGN})
  target_link_libraries(kova_${name} PUBLIC kova_shell)
  target_include_directories(kova_${name} PUBLIC ${CMAKE_SOURCE_DIR})
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
