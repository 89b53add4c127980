# Google Benchmark for every tree: the host's package natively; in the
# Windows cross builds, the library built from the source that
# scripts/fetch-benchmark.sh (run by scripts/setup.sh) leaves in
# build/_deps, since Debian packages it only for the host.
#
# genhand_add_benchmark(NAME SOURCES... [LIBS libs...])
#   One benchmark executable (its own main, or benchmark_main when it has
#   none: add NO_MAIN to give it yours). bench/ lists them.
set(GENHAND_BENCHMARK_SOURCE ${PROJECT_SOURCE_DIR}/build/_deps/benchmark-1.7.1
    CACHE PATH "Google Benchmark source for the cross builds")

if(CMAKE_CROSSCOMPILING)
  if(EXISTS ${GENHAND_BENCHMARK_SOURCE}/CMakeLists.txt AND NOT TARGET benchmark::benchmark)
    set(BENCHMARK_ENABLE_TESTING OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_ENABLE_GTEST_TESTS OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_ENABLE_INSTALL OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_ENABLE_WERROR OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_ENABLE_LTO OFF CACHE BOOL "" FORCE)
    set(BENCHMARK_USE_BUNDLED_GTEST OFF CACHE BOOL "" FORCE)
    # What its feature checks would find by running programs, which a cross
    # build cannot: mingw-w64's posix runtime has both.
    set(HAVE_STD_REGEX 1)
    set(HAVE_STEADY_CLOCK 1)
    add_subdirectory(${GENHAND_BENCHMARK_SOURCE} ${CMAKE_BINARY_DIR}/_benchmark EXCLUDE_FROM_ALL)
  elseif(NOT TARGET benchmark::benchmark)
    message(STATUS "No Google Benchmark source in ${GENHAND_BENCHMARK_SOURCE} (scripts/setup.sh fetches it): no benchmarks")
  endif()
else()
  find_package(benchmark QUIET)
endif()

function(genhand_add_benchmark name)
  cmake_parse_arguments(ARG "NO_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LIBS})
  if(NOT ARG_NO_MAIN)
    target_link_libraries(${name} PRIVATE benchmark::benchmark_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()
