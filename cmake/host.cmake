# Native tree: the core with AddressSanitizer and UndefinedBehaviorSanitizer, its
# tests, and (with QUILLET_SANITIZE OFF, in its own tree) the benchmarks.
option(QUILLET_SANITIZE "Build the host tree with ASan and UBSan" ON)
option(QUILLET_BENCH "Build the benchmarks" OFF)

if(QUILLET_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(qcore STATIC ${QUILLET_CORE_SOURCES})
quillet_code_options(qcore)
# The layering rules are checked whenever a core file changes.
file(GLOB_RECURSE QUILLET_CORE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*/*.h ${CMAKE_SOURCE_DIR}/*/*.cpp)
list(FILTER QUILLET_CORE_FILES EXCLUDE REGEX "/(tests|bench|build[^/]*|ancillar)/")
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/layers.stamp
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/layers.stamp
  DEPENDS ${QUILLET_CORE_FILES} ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake
  COMMENT "Checking the layering of the core")
add_custom_target(layers DEPENDS ${CMAKE_BINARY_DIR}/layers.stamp)
add_dependencies(qcore layers)
add_library(qcharset STATIC ${QUILLET_CHARSET_SOURCES})
quillet_code_options(qcharset)
add_library(qregex STATIC ${QUILLET_REGEX_SOURCES})
quillet_code_options(qregex)

enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
include(GoogleTest)

add_executable(host_tests ${QUILLET_HOST_TEST_SOURCES})
quillet_code_options(host_tests)
target_link_libraries(host_tests PRIVATE qcore qcharset qregex GTest::gtest_main Threads::Threads)
target_compile_definitions(host_tests PRIVATE QUILLET_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(host_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS host)

# Allocation-failure tests replace the global operator new: a binary of their own.
file(GLOB QUILLET_HOST_ALLOC_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host_alloc/*.cpp)
add_executable(host_alloc_tests ${QUILLET_HOST_ALLOC_TEST_SOURCES})
quillet_code_options(host_alloc_tests)
target_link_libraries(host_alloc_tests PRIVATE qcore qcharset qregex GTest::gtest_main Threads::Threads)
gtest_discover_tests(host_alloc_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS host)

# The benchmarks are built in every host tree, so that they follow the code
# they measure; they run only from the Release tree of make bench.
find_package(benchmark REQUIRED)
foreach(src ${QUILLET_BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  quillet_code_options(${name})
  target_link_libraries(${name} PRIVATE qcore qcharset qregex benchmark::benchmark Threads::Threads)
  target_compile_definitions(${name} PRIVATE QUILLET_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endforeach()
