# The Windows deliverables. When the mingw-w64 cross compiler is installed, the native build
# builds the same source tree a second time for 32-bit Windows (the four DLLs and kestrane.exe,
# in <build>/windows-THREADS/bin) and copies them to dist/ at the top of the source tree. With the
# tests on, ctest checks the built files and runs every scenario again under Wine.
if(WIN32)
  return()  # this is the Windows build itself
endif()

set(KESTRANE_MINGW_NAMES_ONLY ON)
include(${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake)
unset(KESTRANE_MINGW_NAMES_ONLY)
find_program(KESTRANE_MINGW_CXX ${KESTRANE_MINGW_CXX_NAME})
if(KESTRANE_MINGW_CXX)
  set(windows_default ON)
else()
  set(windows_default OFF)
endif()
option(KESTRANE_WINDOWS "Build the Windows deliverables with mingw-w64 and test them under Wine"
  ${windows_default})
if(NOT KESTRANE_WINDOWS)
  return()
endif()
if(NOT KESTRANE_MINGW_CXX)
  message(FATAL_ERROR "KESTRANE_WINDOWS needs ${KESTRANE_MINGW_CXX_NAME} "
    "(tools/install-windows-deps.sh installs it)")
endif()

# A build folder keeps the compilers it was first made with: one folder for each thread model.
set(windows_dir ${CMAKE_BINARY_DIR}/windows-${KESTRANE_MINGW_THREADS})
set(KESTRANE_WINDOWS_BIN ${windows_dir}/bin)
set(windows_files ${KESTRANE_WINDOWS_BIN}/kestrane.exe)
foreach(entry IN LISTS KESTRANE_BUILDS)
  list(GET entry 0 name)
  list(APPEND windows_files ${KESTRANE_WINDOWS_BIN}/${name}.dll)
endforeach()

include(ExternalProject)
ExternalProject_Add(windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${windows_dir}
  PREFIX ${windows_dir}-external
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DKESTRANE_TESTS=OFF
    -DKESTRANE_BENCHMARKS=OFF
  # The sources are the native build's own: every build looks at them again.
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${windows_files}
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${windows_files} ${CMAKE_SOURCE_DIR}/dist)

if(KESTRANE_TESTS)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/windows ${CMAKE_BINARY_DIR}/tests/windows)
endif()
