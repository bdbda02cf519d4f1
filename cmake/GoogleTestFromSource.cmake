# GoogleTest for a cross build: Debian's googletest package ships its sources, built here for the
# target like our own code (GTest::gtest and GTest::gtest_main), warnings off as for any code of
# others. The native build uses the installed libraries through find_package(GTest) instead.
set(GLYPHWISE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source folder")
set(BUILD_GMOCK OFF CACHE BOOL "Build GoogleMock with GoogleTest")
set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest with the project")
add_subdirectory(${GLYPHWISE_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest
  EXCLUDE_FROM_ALL SYSTEM)
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS -w)
