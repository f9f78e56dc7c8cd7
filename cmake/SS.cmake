# Build helpers shared by every folder.

function(ss_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # g++ 12 reports -Wrestrict (optimised builds) and -Wstringop-overflow (sanitizer builds) inside
    # libstdc++'s own string and algorithm code, where no fault exists (GCC bugs 105329 and 106199).
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow)
  endif()
  if(SS_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# ss_library(NAME SOURCES ... DEPS ...): a platform library whose headers are included as "<lib>/<file>.h".
# Always shared: the platform's process-wide state (the desktop of windows, the registry cache, the command
# line sink) must exist once, however many of the host's and the module's libraries use it.
function(ss_library name)
  cmake_parse_arguments(A "SHARED" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/platform>)
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  ss_warnings(${name})
endfunction()

# ss_test(NAME SOURCES ... DEPS ...): one GoogleTest program, its tests registered with CTest.
function(ss_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  # Test programs share helpers by path below tests/ ("platform/ui/uiTestSupport.h").
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE SS_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             SS_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  ss_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                       PROPERTIES ENVIRONMENT "SS_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# ss_add_fuzzers(FOLDER LIB): one libFuzzer program per fuzz/FOLDER/*.cpp, linked with LIB, listed for CI.
function(ss_add_fuzzers folder lib)
  if(NOT SS_FUZZ)
    return()
  endif()
  file(GLOB fuzzers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/${folder}/*.cpp)
  foreach(src IN LISTS fuzzers)
    get_filename_component(fname ${src} NAME_WE)
    add_executable(${fname} ${src})
    target_link_libraries(${fname} PRIVATE ${lib})
    target_link_options(${fname} PRIVATE -fsanitize=fuzzer)
    ss_warnings(${fname})
    set_property(GLOBAL APPEND PROPERTY SS_FUZZ_TARGETS ${fname})
  endforeach()
endfunction()

# Adds <kind>/<lib>, its tests under tests/<kind>/<lib>, its fuzz targets fuzz/<lib>/*.cpp and its
# benchmarks bench/<lib>/*.cpp (each file one program linked with <lib>).
function(ss_add_component kind lib)
  if(NOT SS_ONLY STREQUAL "" AND NOT lib IN_LIST SS_ONLY)
    return()
  endif()
  if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${kind}/${lib}/CMakeLists.txt)
    return()
  endif()
  add_subdirectory(${PROJECT_SOURCE_DIR}/${kind}/${lib} ${PROJECT_BINARY_DIR}/${kind}/${lib})
  if(SS_TESTS AND EXISTS ${PROJECT_SOURCE_DIR}/tests/${kind}/${lib}/CMakeLists.txt)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tests/${kind}/${lib} ${PROJECT_BINARY_DIR}/tests/${kind}/${lib})
  endif()
  ss_add_fuzzers(${lib} ${lib})
  if(SS_BENCH)
    file(GLOB benches CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/${lib}/*.cpp)
    foreach(src IN LISTS benches)
      get_filename_component(bname ${src} NAME_WE)
      add_executable(${bname} ${src})
      target_link_libraries(${bname} PRIVATE ${lib} benchmark::benchmark benchmark::benchmark_main)
      ss_warnings(${bname})
    endforeach()
  endif()
endfunction()
