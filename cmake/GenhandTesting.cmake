# genhand_add_test(NAME SOURCES... [LIBS libs...] [WINDOWS_GUI])
# Builds one GoogleTest executable and registers it as one CTest test.
# Cross builds run it under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
function(genhand_add_test name)
  cmake_parse_arguments(ARG "WINDOWS_GUI;NO_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  if(ARG_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest ${ARG_LIBS})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main ${ARG_LIBS})
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  # A test passes only when GoogleTest got to its final summary without a
  # failure. The exit code alone is not enough: under Wine a process that
  # dies of a stack overflow can end with exit code 0.
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()
