# Cross-compiling the 32-bit Windows deliverables with Debian's mingw-w64 i686 toolchain.
#
# The win32 thread model: its runtime makes its locks and thread-local slots straight from
# Windows' own functions, which the DLL can give back when it is unloaded. The posix model links
# in winpthreads, which keeps a thread handle, an event, semaphores, a thread-local slot and 18
# small blocks from every load until the process ends.
set(KESTRANE_MINGW_PREFIX i686-w64-mingw32)
set(KESTRANE_MINGW_THREADS win32)
set(KESTRANE_MINGW_CXX_NAME ${KESTRANE_MINGW_PREFIX}-g++-${KESTRANE_MINGW_THREADS})
set(KESTRANE_MINGW_CC_NAME ${KESTRANE_MINGW_PREFIX}-gcc-${KESTRANE_MINGW_THREADS})
# The native build reads these names only (cmake/WindowsBuild.cmake).
if(KESTRANE_MINGW_NAMES_ONLY)
  return()
endif()

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER ${KESTRANE_MINGW_CC_NAME})
set(CMAKE_CXX_COMPILER ${KESTRANE_MINGW_CXX_NAME})
set(CMAKE_RC_COMPILER ${KESTRANE_MINGW_PREFIX}-windres)
set(CMAKE_ASM_COMPILER ${KESTRANE_MINGW_CC_NAME})

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
