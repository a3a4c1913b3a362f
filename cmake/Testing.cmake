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

# stowpouch_gtest(NAME SOURCES ... [LIBS ...] [ARGS ...] [MAIN] [TIMEOUT n])
# adds one test program and one ctest entry that runs all of its cases (or
# those that ARGS, such as a --gtest_filter, select).
function(stowpouch_gtest name)
  cmake_parse_arguments(T "MAIN" "TIMEOUT" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main ${T_LIBS})
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no ${T_ARGS})
  if(T_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  endif()
endfunction()
