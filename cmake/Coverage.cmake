# Coverage build (GCC): every target gets counters; coverage-reset forgets the counts of
# earlier runs, coverage-report prints line and branch coverage of the library's sources
# (src/ and platform/) from what the tests ran since.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  message(FATAL_ERROR "ORV_COVERAGE needs GCC")
endif()
find_program(ORV_GCOVR gcovr REQUIRED)
add_compile_options(--coverage -O0)
# Processes that end by _exit (the fatal path, the tests' child processes) write their
# counters first.
add_compile_definitions(ORV_COVERAGE_DUMP)
add_link_options(--coverage)

add_custom_target(coverage-reset
  COMMAND find ${PROJECT_BINARY_DIR} -name "*.gcda" -delete
  COMMENT "Forgetting earlier coverage counts")
# Throw and unreachable branches are the compiler's, not the code's: nothing is thrown.
add_custom_target(coverage-report
  COMMAND ${ORV_GCOVR} --root ${PROJECT_SOURCE_DIR} --object-directory ${PROJECT_BINARY_DIR}
          --filter ${PROJECT_SOURCE_DIR}/src/ --filter ${PROJECT_SOURCE_DIR}/platform/
          --exclude-throw-branches --exclude-unreachable-branches
          --txt --print-summary
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  USES_TERMINAL)
