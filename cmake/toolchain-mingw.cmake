# MinGW cross toolchain for the triple that the including file names (PK_MINGW_TRIPLE).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${PK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests of these flavours run under Wine, in a prefix inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
