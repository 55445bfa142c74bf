# kalvix_add_test(<name> [CORE] SOURCES ... [LIBS ...])
# CORE links the widget-free core only, to show that what it tests needs no widgets.
# Every test runs offscreen in a fresh temporary home, so no test touches a
# real user's folders or another test's.
# Seconds a test may run; sanitizer builds run several times slower.
set(KALVIX_TEST_TIMEOUT 120 CACHE STRING "Seconds each test may run")

function(kalvix_add_test name)
  cmake_parse_arguments(T "CORE" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_CORE)
    target_link_libraries(${name} PRIVATE kalvix_core Qt5::Test ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE kalvix_gui Qt5::Test ${T_LIBS})
  endif()
  target_compile_definitions(${name} PRIVATE
    KALVIX_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    KALVIX_DEMO_DIR="${CMAKE_SOURCE_DIR}/data/demo"
    KALVIX_SIGNING_KEY="${KALVIX_SIGNING_KEY}")
  add_test(NAME ${name} COMMAND sh ${CMAKE_SOURCE_DIR}/tests/run_isolated.sh $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${KALVIX_TEST_TIMEOUT})
endfunction()
