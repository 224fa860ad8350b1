# Cross-compiles the same sources for 64-bit Windows. Only for running the Windows tests on a host
# whose kernel runs no 32-bit programs (so no 32-bit wine): the program shipped is the i686 one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)

include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
