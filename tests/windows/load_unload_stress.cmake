# Loads and unloads sandbox_plymouth.dll many times in one kestrane.exe run. Every cycle the
# load must redirect the chat call site (its VirtualProtect line), a typed line must reach the
# module through it (the module keeps the line in the save region), and after the unload the
# call site must lead to the host's own target again. What the process holds is read after a
# few cycles and after the last one, and must not have grown at all: the module gives back its
# own memory and what the C and C++ runtimes linked into it keep (heap blocks, semaphores, a
# thread-local slot), which would otherwise pile up until the slots run out.
cmake_minimum_required(VERSION 3.20)

set(cycles 300)
set(warm_up 20)

set(patch_line "  VirtualProtect(0x0040FD86,4,PAGE_EXECUTE_READWRITE) -> 1")
set(script ":save game\n")
set(expected ":attach sandbox_plymouth\n${patch_line}\n:save game\n  => GetSaveRegions()\n")
set(cycle ":load game\nnoop cycle\n:peek 40 11\n:show callsite\n:unload\n:show callsite\nnoop gone\n")
set(cycle_trace ":load game\n${patch_line}\n  => GetSaveRegions()\nnoop cycle\n:peek 40 11\n"
  "  region+40: 6e 6f 6f 70 20 63 79 63 6c 65 00\n:show callsite\n"
  "  call site: sandbox_plymouth.dll\n:unload\n:show callsite\n  call site: host\nnoop gone\n")
string(CONCAT cycle_trace ${cycle_trace})
foreach(i RANGE 1 ${cycles})
  string(APPEND script "${cycle}")
  string(APPEND expected "${cycle_trace}")
  if(i EQUAL warm_up OR i EQUAL cycles)
    string(APPEND script ":show process\n")
    string(APPEND expected ":show process\n")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/fl_file)
file(WRITE ${WORK}/stress.kscn "${script}")
execute_process(
  COMMAND ${WINE} ${SIM} --build sandbox_plymouth --script ${WORK}/stress.kscn --dir ${WORK}
  OUTPUT_VARIABLE trace
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n${errors}")
endif()

# The process lines are numbers of this run: read, then left out of the comparison.
string(REGEX MATCHALL
  "\n  heap: [0-9]+ bytes in [0-9]+ blocks\n  handles: [0-9]+\n  next TLS slot: [0-9]+\n"
  readings "${trace}")
list(LENGTH readings count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "expected 2 readings of the process, found ${count}:\n${trace}")
endif()
set(names heap_bytes heap_blocks handles tls_slots)
foreach(moment first last)
  list(POP_FRONT readings reading)
  string(REGEX MATCH "heap: ([0-9]+) bytes in ([0-9]+) blocks\n  handles: ([0-9]+)\n  next TLS slot: ([0-9]+)"
    reading "${reading}")
  foreach(index RANGE 1 4)
    math(EXPR at "${index} - 1")
    list(GET names ${at} name)
    set(${moment}_${name} ${CMAKE_MATCH_${index}})
  endforeach()
endforeach()
string(REGEX REPLACE "\n:show process\n  heap: [^\n]*\n  handles: [^\n]*\n  next TLS slot: [^\n]*\n  private bytes: [^\n]*\n"
  "\n:show process\n" trace "${trace}")

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/TraceCompare.cmake)
kestrane_require_trace("${trace}" "${expected}" ${WORK}
  "the load and unload cycles did not go as expected")

math(EXPR measured "${cycles} - ${warm_up}")
set(problems "")
foreach(name IN LISTS names)
  math(EXPR growth "${last_${name}} - ${first_${name}}")
  message(STATUS "${name}: ${first_${name}} after ${warm_up} cycles, ${last_${name}} after "
    "${cycles} (${growth} more)")
  if(NOT growth EQUAL 0)
    string(APPEND problems "\n  ${name} grew by ${growth} in ${measured} cycles")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "loading and unloading the module leaks:${problems}")
endif()
