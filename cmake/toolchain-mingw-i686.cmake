# The product: 32-bit Windows, run by 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PK_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
