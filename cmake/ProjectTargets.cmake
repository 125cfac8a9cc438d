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
# sub-folders with SUBFOLDERS) except tests, benchmarks and a program's
# main.cpp.
function(project_directory_library target kind)
  project_directory_sources(sources "*.cpp" ${ARGN})
  list(FILTER sources EXCLUDE REGEX "(/main|_test|_bench)\\.cpp$")
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

# One QtTest program per *_test.cpp of the current directory, linked with the
# given libraries and run without a display. The tests find the program's
# folder (PROGRAM_DIR) and the model library (STANDSIM_LIBRARY_PATH), and
# start the window the way the program does, from its folder.
function(project_directory_qt_tests)
  project_directory_sources(sources "*_test.cpp")
  foreach(test_source IN LISTS sources)
    get_filename_component(test_name ${test_source} NAME_WE)
    add_executable(${test_name} ${test_source})
    target_link_libraries(${test_name} PRIVATE ${ARGN} Qt6::Test)
    target_include_directories(${test_name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${test_name} PRIVATE
      TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
      TEST_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}"
      PROGRAM_DIR="$<TARGET_FILE_DIR:tarvex>"
      STANDSIM_LIBRARY_PATH="$<TARGET_FILE:standsim>")
    project_warnings(${test_name})
    add_dependencies(${test_name} tarvex)
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${PROJECT_TEST_TIMEOUT})
  endforeach()
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

# A Fortran program whose results the test program TESTS compares with,
# built from SOURCE without the sanitizers (only its output matters). The
# tests find the program at the path DEFINITION names and run it themselves;
# with OUTPUT, the build runs it once and DEFINITION names what it printed.
function(project_fortran_reference tests definition source)
  cmake_parse_arguments(PARSE_ARGV 3 arg "OUTPUT" "" "")
  get_filename_component(name ${source} NAME_WE)
  set(program fortran_${name})
  add_executable(${program} ${source})
  set_target_properties(${program} PROPERTIES COMPILE_OPTIONS "" LINK_OPTIONS "")
  if(arg_OUTPUT)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.txt)
    add_custom_command(OUTPUT ${output}
      COMMAND ${program} > ${output}
      DEPENDS ${program}
      COMMENT "Writing the output of the Fortran reference ${name}")
    add_custom_target(${name} DEPENDS ${output})
    add_dependencies(${tests} ${name})
    target_compile_definitions(${tests} PRIVATE ${definition}="${output}")
  else()
    add_dependencies(${tests} ${program})
    target_compile_definitions(${tests} PRIVATE ${definition}="$<TARGET_FILE:${program}>")
  endif()
endfunction()

# The model library is built at -O3 in every configuration but Debug, which
# stays unoptimised for the debugger and the sanitizers.
function(project_speed_optimised target)
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O3>)
endfunction()
