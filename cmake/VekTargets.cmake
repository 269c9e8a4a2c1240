# One static library per subsystem, built from every source file of its folder.
# vek_subsystem(<name> DEPENDS <targets...>) defines the target vek_<name>.
function(vek_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(vek_${name} STATIC ${sources})
    target_include_directories(vek_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vek_${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(vek_${name} INTERFACE)
    target_include_directories(vek_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vek_${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# vek_test_suite(<name> DEPENDS <targets...>): one GoogleTest program from every
# test source of the calling folder, registered test by test with CTest.
function(vek_test_suite name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPENDS} GTest::gtest_main)
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 30)
endfunction()
