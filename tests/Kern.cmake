# The core libraries' GoogleTest suites. Included by tests/CMakeLists.txt and by
# any build of the core alone; needs the core library targets to exist, and
# GTest::gtest_main unless GoogleTest is found installed.
if(NOT TARGET GTest::gtest_main)
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# A GoogleTest program; its tests carry the label unit unless the folder
# labels its tests itself (set_property(DIRECTORY PROPERTY LABELS ...)).
function(core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main ${CORE_LIBS})
  if(EMSCRIPTEN)
    # Compiled at -O3 like the page, linked without the whole-program passes that took
    # most of a suite's link time.
    target_link_options(${name} PRIVATE -O1)
  endif()
  get_property(etiketten DIRECTORY PROPERTY LABELS)
  if(NOT etiketten)
    set(etiketten unit)
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Listing the tests would run the binary at build time; one test per
    # binary, run through the toolchain's emulator.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${etiketten}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${etiketten}")
  endif()
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
set(CORE_LIBS punktgarten_sitzung)
core_test(test_sitzung ${_kern}/sitzung/test_sitzung.cpp ${_kern}/sitzung/test_bedienung.cpp ${_kern}/sitzung/test_fensterlayout.cpp
          ${_kern}/text/test_utf8.cpp)
