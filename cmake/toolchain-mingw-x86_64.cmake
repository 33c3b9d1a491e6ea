# The same Windows sources for 64-bit, run by wine64 on hosts that execute 64-bit code only.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PK_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
