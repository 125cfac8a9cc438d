# Helpers shared by every directory of the project.

# Every test ends within this many seconds, so that a test that hangs fails
# instead of blocking the run.
set(PROJECT_TEST_TIMEOUT 300)

# The project's own code is built with the common warnings; the test command
# and CI turn them into errors (TARVEX_WARNINGS_AS_ERRORS).
function(project_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    $<$<BOOL:${TARVEX_WARNINGS_AS_ERRORS}>:-Werror>)
endfunction()

# The files of the current directory that match PATTERN, and with SUBFOLDERS
# among the arguments those of its sub-folders too.
function(project_directory_sources out pattern)
  if(SUBFOLDERS IN_LIST ARGN)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# A library built from every .cpp of the current directory (and of its
# sub-folders with SUBFOLDERS) except tests and benchmarks.
function(project_directory_library target kind)
  project_directory_sources(sources "*.cpp" ${ARGN})
  list(FILTER sources EXCLUDE REGEX "_(test|bench)\\.cpp$")
  add_library(${target} ${kind} ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  project_warnings(${target})
endfunction()

# One GoogleTest program from every *_test.cpp of the current directory (and
# of its sub-folders with SUBFOLDERS), linked with the other arguments.
function(project_directory_tests target)
  project_directory_sources(sources "*_test.cpp" ${ARGN})
  if(NOT sources)
    return()
  endif()
  set(libraries ${ARGN})
  list(REMOVE_ITEM libraries SUBFOLDERS)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${libraries} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${target} PRIVATE
    TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    TEST_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}")
  project_warnings(${target})
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES TIMEOUT ${PROJECT_TEST_TIMEOUT})
endfunction()

# One Google Benchmark program from every *_bench.cpp of the current directory
# (and of its sub-folders with SUBFOLDERS), linked with the other arguments;
# built with the tests, run by hand.
function(project_directory_benchmarks target)
  project_directory_sources(sources "*_bench.cpp" ${ARGN})
  if(NOT sources)
    return()
  endif()
  set(libraries ${ARGN})
  list(REMOVE_ITEM libraries SUBFOLDERS)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${libraries} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  project_warnings(${target})
endfunction()

# The model library is built at -O3 in every configuration but Debug, which
# stays unoptimised for the debugger and the sanitizers.
function(project_speed_optimised target)
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O3>)
endfunction()
