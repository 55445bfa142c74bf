# kalvix_add_test(<name> [CORE] SOURCES ... [LIBS ...])
# CORE links the widget-free core only, to show that what it tests needs no widgets.
# Every test runs offscreen in a fresh temporary home, so no test touches a
# real user's folders or another test's.
# Seconds a test may run; sanitizer builds run several times slower.
set(KALVIX_TEST_TIMEOUT 120 CACHE STRING "Seconds each test may run")
# How much slower than a plain build the tests may run: the sanitizers cost
# three to four times as much, more on a busy machine. The longer timeouts
# that single tests ask for are multiplied by it.
if(KALVIX_SANITIZE)
  set(_kalvix_time_factor 5)
else()
  set(_kalvix_time_factor 1)
endif()
set(KALVIX_TEST_TIME_FACTOR ${_kalvix_time_factor} CACHE STRING "Factor on the timeouts of slow tests")

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
    KALVIX_SIGNING_KEY="${KALVIX_SIGNING_KEY}"
    KALVIX_TEST_TIME_FACTOR=${KALVIX_TEST_TIME_FACTOR})
  add_test(NAME ${name} COMMAND sh ${CMAKE_SOURCE_DIR}/tests/run_isolated.sh $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${KALVIX_TEST_TIMEOUT})
  # Workbooks are written by the program built beside the tests.
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "KALVIX_XLSX_WRITER=$<TARGET_FILE:kalvix-xlsx>")
endfunction()

# kalvix_set_test_timeout(<name> <seconds>): a slow test's own timeout in a
# plain build, scaled by KALVIX_TEST_TIME_FACTOR and never below the default.
function(kalvix_set_test_timeout name seconds)
  math(EXPR _scaled "${seconds} * ${KALVIX_TEST_TIME_FACTOR}")
  if(_scaled LESS KALVIX_TEST_TIMEOUT)
    set(_scaled ${KALVIX_TEST_TIMEOUT})
  endif()
  # QtTest's own watchdog ends a single test function after five minutes.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${_scaled})
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "QTEST_FUNCTION_TIMEOUT=${_scaled}000")
endfunction()
