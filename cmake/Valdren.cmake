# Helpers shared by the folders' CMakeLists.txt files.

# valdren_add_layer(<name> [DEPS <targets>...]): the static library vi_<name> from every .cpp of
# the calling folder. Headers are included as "<layer>/<File>.h" from src/.
function(valdren_add_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(vi_${name} STATIC ${sources})
  target_include_directories(vi_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vi_${name} PUBLIC ${ARG_DEPS})
endfunction()

# valdren_add_tests(<layer> [LIBS <targets>...] [SLOW_SUITES <suites>...]): the test executable
# test_<layer> from every .cpp of the calling folder, registered with CTest test by test. Tests run
# on Qt's offscreen platform, each under a two-minute limit, so that a modal dialog or a loop
# nobody ends fails instead of holding the run; the suites named in SLOW_SUITES (model-based
# checks over many random cases) get ten minutes.
function(valdren_add_tests layer)
  cmake_parse_arguments(ARG "" "" "LIBS;SLOW_SUITES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(test_${layer} ${sources})
  target_include_directories(test_${layer} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(test_${layer} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock valdren_test_main)
  set(environment "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1")
  set(quick_filter "*")
  if(ARG_SLOW_SUITES)
    list(TRANSFORM ARG_SLOW_SUITES APPEND ".*")
    list(JOIN ARG_SLOW_SUITES ":" slow_filter)
    set(quick_filter "-${slow_filter}")
    gtest_discover_tests(test_${layer}
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER "${slow_filter}"
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 600)
  endif()
  gtest_discover_tests(test_${layer}
    DISCOVERY_MODE PRE_TEST
    TEST_FILTER "${quick_filter}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 120)
endfunction()
