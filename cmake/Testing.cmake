# GoogleTest for both worlds: the host's packaged library for the native
# tests, and the packaged sources built with the cross compiler for the
# Windows-side tests, which ctest runs through the Wine bench.
if(BUILD_TESTING)
  if(CMAKE_CROSSCOMPILING AND WIN32)
    set(STOWPOUCH_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${STOWPOUCH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

# stowpouch_test_entry(NAME PROGRAM [TIMEOUT n] [ARGS ...]) adds one ctest
# entry that runs a test program (a --gtest_filter in ARGS picks cases).
# Under Wine each entry runs in a bench of its own (wine-run's BENCH_SHARD):
# a copy of the ready prefix with its own wineserver and Xvfb, so entries
# can run side by side (ctest -j).
function(stowpouch_test_entry name program)
  cmake_parse_arguments(T "" "TIMEOUT" "ARGS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_test(NAME ${name} COMMAND ${program} --gtest_color=no ${T_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(WIN32 AND CMAKE_CROSSCOMPILING)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT BENCH_SHARD=${name}
                                            FIXTURES_REQUIRED wine_bench)
  endif()
endfunction()

# stowpouch_gtest(NAME SOURCES ... [LIBS ...] [ARGS ...] [MAIN] [TIMEOUT n]
# [NO_ENTRY]) adds one test program and one ctest entry that runs all of its
# cases (or those that ARGS, such as a --gtest_filter, select); with
# NO_ENTRY the caller adds the entries.
function(stowpouch_gtest name)
  cmake_parse_arguments(T "MAIN;NO_ENTRY" "TIMEOUT" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main ${T_LIBS})
  endif()
  if(WIN32)
    target_link_libraries(${name} PRIVATE test_support)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  if(NOT T_NO_ENTRY)
    stowpouch_test_entry(${name} ${name} TIMEOUT ${T_TIMEOUT} ARGS ${T_ARGS})
  endif()
endfunction()

# Every target's directory, depth first.
function(stowpouch_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    stowpouch_targets_below(${subdirectory} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The Windows headers (and, for the test programs, GoogleTest's) are parsed
# once per build instead of once per source file: most of a compile's time
# goes to them. Graftling builds with its own options (no exceptions, no
# runtime) and keeps including them itself.
# Test programs need no more than light optimisation, and it compiles them
# a quarter faster; the code under test keeps the build's own.
set(STOWPOUCH_TEST_OPTIMIZATION -O1)
set(STOWPOUCH_WINDOWS_HEADERS <windows.h> <commctrl.h> <shlobj.h> <string> <vector> <functional>)
function(stowpouch_precompile_windows_headers)
  set(product_headers "")
  foreach(header IN LISTS STOWPOUCH_WINDOWS_HEADERS)
    list(APPEND product_headers "$<$<COMPILE_LANGUAGE:CXX>:${header}>")
  endforeach()
  add_library(windows_headers_pch STATIC ${PROJECT_SOURCE_DIR}/cmake/pch/WindowsHeaders.cpp)
  target_precompile_headers(windows_headers_pch PRIVATE ${product_headers})
  if(BUILD_TESTING)
    add_library(test_headers_pch STATIC ${PROJECT_SOURCE_DIR}/cmake/pch/TestHeaders.cpp)
    target_link_libraries(test_headers_pch PRIVATE GTest::gtest)
    target_compile_options(test_headers_pch PRIVATE ${STOWPOUCH_TEST_OPTIMIZATION})
    target_precompile_headers(test_headers_pch PRIVATE ${product_headers}
                              "$<$<COMPILE_LANGUAGE:CXX>:<gtest/gtest.h$<ANGLE-R>>")
  endif()
  if(TARGET gtest)
    target_compile_options(gtest PRIVATE ${STOWPOUCH_TEST_OPTIMIZATION})
    target_compile_options(gtest_main PRIVATE ${STOWPOUCH_TEST_OPTIMIZATION})
  endif()
  stowpouch_targets_below(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY)$" OR
       target MATCHES "^(Graftling|windows_headers_pch|test_headers_pch|gtest|gtest_main)$")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    if(NOT sources MATCHES "\\.cpp")
      continue()
    endif()
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(libraries MATCHES "GTest::")
      target_compile_options(${target} PRIVATE ${STOWPOUCH_TEST_OPTIMIZATION})
      target_precompile_headers(${target} REUSE_FROM test_headers_pch)
    else()
      target_precompile_headers(${target} REUSE_FROM windows_headers_pch)
    endif()
  endforeach()
endfunction()
