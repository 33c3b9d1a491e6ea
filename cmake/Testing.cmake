# Test helpers shared by every folder's tests.
#
# pk_add_gtest(name SOURCES ... LIBS ... [WINE_ENV VAR=VALUE ...] [OWN_MAIN])
#   One GoogleTest executable registered as one ctest test. Under the Windows flavours it runs
#   under Wine (the toolchain's emulator) in the build folder's private prefix and display.
function(pk_add_gtest name)
  cmake_parse_arguments(A "OWN_MAIN" "" "SOURCES;LIBS;WINE_ENV;PROPERTIES" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} pk_testsupport gmock gtest)
  if(NOT A_OWN_MAIN)
    target_link_libraries(${name} PRIVATE gmock_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 ${A_PROPERTIES})
  if(PK_WIN32)
    pk_wine_test_properties(${name} ${A_WINE_ENV})
  endif()
endfunction()

# Environment and fixtures of a test that runs under Wine.
function(pk_wine_test_properties test)
  set(env "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" "WINEDEBUG=-all" "PK_BUILD_DIR=${CMAKE_BINARY_DIR}"
      "PK_WINE_ARCH=${PK_WINE_ARCH}" ${ARGN})
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${env}" FIXTURES_REQUIRED wine)
endfunction()

# Runs a script as a test (bash), with the Wine environment under the Windows flavours.
function(pk_add_script_test name script)
  cmake_parse_arguments(A "" "" "ARGS;WINE_ENV" ${ARGN})
  add_test(NAME ${name} COMMAND bash ${script} ${A_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
  if(PK_WIN32)
    pk_wine_test_properties(${name} ${A_WINE_ENV})
  endif()
endfunction()
