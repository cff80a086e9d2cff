# ACTION=start: makes the Wine prefix when it is not there yet (the first time takes about half
# a minute), then starts a Wine server with Wine's own background programs, which stay up
# between the tests (until ACTION=stop, or two minutes after the last program ended), so that
# each test's kestrane.exe starts at once.
# They all run on in the background and must not hold this test's output open: a program that
# held the output of a test's own kestrane.exe run would keep that test waiting until it ends.
set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEDEBUG} -all)
if(ACTION STREQUAL "stop")
  # Nothing to stop when the server has gone by itself.
  execute_process(COMMAND ${WINESERVER} --kill OUTPUT_QUIET ERROR_QUIET)
  return()
endif()

if(NOT EXISTS ${PREFIX}/system.reg)
  # No browser or .NET runtime to offer, and no desktop menu entries to write.
  set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=;winemenubuilder.exe=d")
  execute_process(COMMAND ${WINE} wineboot --init RESULT_VARIABLE status
    OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
  execute_process(COMMAND ${WINESERVER} --wait)
  if(NOT status EQUAL 0 OR NOT EXISTS ${PREFIX}/system.reg)
    message(FATAL_ERROR "wineboot could not make the Wine prefix ${PREFIX} (status ${status})")
  endif()
  unset(ENV{WINEDLLOVERRIDES})
endif()
# A server that is up already (a run stopped midway) serves as well.
execute_process(COMMAND ${WINESERVER} --persistent=120 OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
execute_process(COMMAND ${WINE} cmd /c exit RESULT_VARIABLE status
  OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Wine cannot run a program (status ${status})")
endif()
