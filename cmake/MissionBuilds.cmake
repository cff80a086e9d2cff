# Sources that depend on the two build switches (colony, start) are compiled once per
# deliverable; every other source of the module goes into kestrane_module_common.
set_property(GLOBAL PROPERTY KESTRANE_BUILD_SOURCES "")

function(kestrane_build_sources)
  foreach(source IN LISTS ARGN)
    get_filename_component(path ${source} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY KESTRANE_BUILD_SOURCES ${path})
  endforeach()
endfunction()

# The four deliverables and their switches: name, colony Eden (0/1), ALT start (0/1).
set(KESTRANE_BUILDS
  "sandbox_plymouth\;0\;0"
  "sandbox_eden\;1\;0"
  "sandbox_alt_plymouth\;0\;1"
  "sandbox_alt_eden\;1\;1")
