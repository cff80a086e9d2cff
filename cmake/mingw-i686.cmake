# Cross-compiling the 32-bit Windows deliverables with Debian's mingw-w64 i686 toolchain
# (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(KESTRANE_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTRANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRANE_MINGW_PREFIX}-windres)
set(CMAKE_ASM_COMPILER ${KESTRANE_MINGW_PREFIX}-gcc-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTRANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The deliverables and the host carry their C and C++ runtimes inside: nothing beside them
# but Windows' own libraries is needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
