# What tells a trace of kestrane.exe from kestrane-sim's, taken out so that both compare with the
# same expected trace:
# - each load of the module makes the VirtualProtect call that redirects the host's chat call
#   site (the native host binds chat directly instead);
# - the module writes its command files in text mode, which on Windows ends each line with
#   CR LF, so `:show file` shows a \r at the end of such lines. A trailing \r of a `:show file`
#   line is dropped from both traces: only that line end may differ.

# The line "  VirtualProtect(0x0040FD86,4,PAGE_EXECUTE_READWRITE) -> 1".
set(KESTRANE_PATCH_LINE_REGEX "  VirtualProtect\\(0x0040FD86,4,PAGE_EXECUTE_READWRITE\\) -> 1")

# Applies a line-wise REGEX REPLACE to every line of `text` (given as "\n" + lines): matches of
# neighbouring lines share their "\n", so the replacement runs until nothing changes.
function(kestrane_replace_lines regex replacement text_var)
  set(text "${${text_var}}")
  set(before "")
  while(NOT text STREQUAL before)
    set(before "${text}")
    string(REGEX REPLACE "${regex}" "${replacement}" text "${text}")
  endwhile()
  set(${text_var} "${text}" PARENT_SCOPE)
endfunction()

function(kestrane_without_shown_cr trace_var)
  set(text "\n${${trace_var}}")
  kestrane_replace_lines("\n(  \\| [^\n]*)\\\\r\n" "\n\\1\n" text)
  string(SUBSTRING "${text}" 1 -1 text)
  set(${trace_var} "${text}" PARENT_SCOPE)
endfunction()

# Checks that the load at the start patched the call site, then leaves the Windows-only lines out
# of `trace_var` and the trailing \r of `:show file` lines out of both.
function(kestrane_comparable_traces trace_var expected_var)
  set(trace "${${trace_var}}")
  if(NOT trace MATCHES "^:attach [^\n]*\n${KESTRANE_PATCH_LINE_REGEX}\n")
    message(FATAL_ERROR "the module's load did not redirect the chat call site:\n${trace}")
  endif()
  set(text "\n${trace}")
  kestrane_replace_lines("\n${KESTRANE_PATCH_LINE_REGEX}\n" "\n" text)
  string(SUBSTRING "${text}" 1 -1 trace)
  kestrane_without_shown_cr(trace)
  set(expected "${${expected_var}}")
  kestrane_without_shown_cr(expected)
  set(${trace_var} "${trace}" PARENT_SCOPE)
  set(${expected_var} "${expected}" PARENT_SCOPE)
endfunction()
