# orbane_add_test(NAME <name> SOURCES ... LIBS ...)
# One GoogleTest executable per library; each test case becomes a CTest test.
function(orbane_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE orbane_test_support ${T_LIBS} Qt6::Test GTest::gtest)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
