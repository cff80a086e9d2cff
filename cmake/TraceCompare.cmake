# Fails with `failure` and a unified diff when a trace differs from the one expected; both are
# written into the work folder to look at.
function(kestrane_require_trace trace expected work failure)
  if(trace STREQUAL expected)
    return()
  endif()
  file(WRITE ${work}/actual.trace "${trace}")
  file(WRITE ${work}/expected.trace "${expected}")
  execute_process(COMMAND diff -u ${work}/expected.trace ${work}/actual.trace)
  message(FATAL_ERROR "${failure}")
endfunction()
