# The core libraries' GoogleTest suites. Included by tests/CMakeLists.txt and by
# any build of the core alone; needs the core library targets to exist.
find_package(GTest REQUIRED)
include(GoogleTest)

function(core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main ${CORE_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

set(_kern ${CMAKE_CURRENT_LIST_DIR})
set(CORE_LIBS punktgarten_picture)
core_test(test_picture ${_kern}/picture/test_farbwert.cpp ${_kern}/picture/test_bildflaeche.cpp
          ${_kern}/picture/test_bildstrom.cpp)
set(CORE_LIBS punktgarten_text)
core_test(test_text ${_kern}/text/test_text.cpp)
set(CORE_LIBS punktgarten_key)
core_test(test_key ${_kern}/key/test_key.cpp ${_kern}/key/test_ueberall.cpp)
set(CORE_LIBS punktgarten_hiding)
core_test(test_hiding ${_kern}/hiding/test_hiding.cpp)
set(CORE_LIBS punktgarten_bitplane)
core_test(test_bitplane ${_kern}/bitplane/test_bitplane.cpp)
