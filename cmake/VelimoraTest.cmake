# add_velimora_test(NAME SOURCES src... [LIBS lib...])
# One GoogleTest executable, registered test by test with CTest. Every test gets a time limit,
# so that a search that fails to end shows as a failed test instead of a stuck run.
find_package(GTest REQUIRED)
include(GoogleTest)
set(VELIMORA_TEST_TIMEOUT 60 CACHE STRING "Seconds a single CTest test may take")

function(add_velimora_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "VELIMORA_SAMPLE_DATA=${VELIMORA_SAMPLE_DATA};VELIMORA_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
               TIMEOUT ${VELIMORA_TEST_TIMEOUT}
    DISCOVERY_TIMEOUT 30)
endfunction()
