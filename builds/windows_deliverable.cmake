# A deliverable as the game loads it: a DLL named QVNScript inside, exporting exactly the given
# names undecorated, importing the host interface from kestrane.exe by name. It also gives back
# what the C and C++ runtimes linked into it keep when it is unloaded (windows_runtime_*.cpp).
function(kestrane_windows_deliverable name)
  list(JOIN ARGN "\n    " export_lines)
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY QVNScript\nEXPORTS\n    ${export_lines}\n" @ONLY)
  target_sources(${name} PRIVATE ${def}
    ${CMAKE_CURRENT_SOURCE_DIR}/windows_runtime_release.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows_runtime_objects.cpp)
  # The import library of kestrane.exe; the C and C++ runtimes are linked in (toolchain file).
  target_link_libraries(${name} PRIVATE kestrane-sim)
  # The game folder gets the DLL alone: no symbol tables.
  target_link_options(${name} PRIVATE -s)
endfunction()
