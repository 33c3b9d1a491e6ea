# Test helpers shared by every folder's tests.
#
# pk_add_gtest(name SOURCES ... LIBS ... [WINE_ENV VAR=VALUE ...] [NEEDS_DISPLAY] [OWN_MAIN])
#   One GoogleTest executable registered as one ctest test. Under the win32 flavour it runs
#   under Wine (the toolchain's emulator) in the build folder's private prefix.
function(pk_add_gtest name)
  cmake_parse_arguments(A "NEEDS_DISPLAY;OWN_MAIN" "" "SOURCES;LIBS;WINE_ENV;PROPERTIES" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} pk_testsupport gmock gtest)
  if(NOT A_OWN_MAIN)
    target_link_libraries(${name} PRIVATE gmock_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 ${A_PROPERTIES})
  if(PK_WIN32)
    pk_wine_test_properties(${name} ${A_NEEDS_DISPLAY} ${A_WINE_ENV})
  endif()
endfunction()

# Environment and fixtures of a test that runs under Wine.
function(pk_wine_test_properties test needs_display)
  set(env "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" "WINEDEBUG=-all" "PK_BUILD_DIR=${CMAKE_BINARY_DIR}" ${ARGN})
  set(fixtures wine)
  if(needs_display)
    list(APPEND fixtures xvfb)
  endif()
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${env}" FIXTURES_REQUIRED "${fixtures}")
endfunction()

# Runs a script as a test (bash), with the Wine environment under the win32 flavour.
function(pk_add_script_test name script)
  cmake_parse_arguments(A "NEEDS_DISPLAY" "" "ARGS;WINE_ENV" ${ARGN})
  add_test(NAME ${name} COMMAND bash ${script} ${A_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
  if(PK_WIN32)
    pk_wine_test_properties(${name} ${A_NEEDS_DISPLAY} ${A_WINE_ENV})
  endif()
endfunction()
