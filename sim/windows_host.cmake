# kestrane.exe: the simulated host built for Windows. Same sources and command line as
# kestrane-sim; it exports the host interface to the mission DLLs, which import it by name.
add_executable(kestrane-sim main.cpp console.cpp console_windows.cpp)
target_link_libraries(kestrane-sim PRIVATE kestrane_simhost)
set_target_properties(kestrane-sim PROPERTIES OUTPUT_NAME kestrane ENABLE_EXPORTS ON)
# The image never moves, and the chat call site's section comes first at 0x00401000, where its
# padding puts the call at 0x0040FD85; the usual code follows it.
target_link_options(kestrane-sim PRIVATE
  -Wl,--disable-dynamicbase
  -Wl,--section-start=.kchat=0x00401000
  -Wl,--section-start=.text=0x00410000)
