# Runs one scenario through the simulator in a fresh command directory and compares its trace
# with the expected one beside it. With UPDATE=1 in the environment the expected trace is
# written instead (review the difference before committing it).
# With WINE set, SIM is kestrane.exe run under Wine, compared with the same expected trace
# (cmake/WindowsTrace.cmake tells what may differ); it never writes the expected trace.
string(REGEX REPLACE "\\.kscn$" ".trace" expected_file ${SCENARIO})

file(STRINGS ${SCENARIO} header LIMIT_COUNT 2)
set(build sandbox_plymouth)
set(expected_status 0)
foreach(line IN LISTS header)
  if(line MATCHES "^# build: ([a-z_]+)")
    set(build ${CMAKE_MATCH_1})
  elseif(line MATCHES "^# exit: ([0-9]+)")
    set(expected_status ${CMAKE_MATCH_1})
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/fl_file)
execute_process(
  COMMAND ${WINE} ${SIM} --build ${build} --script ${SCENARIO} --dir ${WORK}
  OUTPUT_VARIABLE trace
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)

if(DEFINED ENV{UPDATE} AND "$ENV{UPDATE}" STREQUAL "1" AND NOT WINE)
  file(WRITE ${expected_file} "${trace}")
  message(STATUS "wrote ${expected_file}")
  return()
endif()

if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
if(NOT EXISTS ${expected_file})
  message(FATAL_ERROR "no expected trace ${expected_file}")
endif()
file(READ ${expected_file} expected)
if(WINE)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsTrace.cmake)
  kestrane_comparable_traces(trace expected)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/TraceCompare.cmake)
kestrane_require_trace("${trace}" "${expected}" ${WORK} "trace differs from ${expected_file}")
