# GoogleTest from Debian's googletest sources, built with the project's own compiler so that the
# same tests run natively and under Wine.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)
if(WIN32)
    # GoogleTest's own texts hold characters outside code page 932; they stay UTF-8.
    target_compile_options(gtest PRIVATE -fexec-charset=UTF-8)
    target_compile_options(gtest_main PRIVATE -fexec-charset=UTF-8)
endif()
