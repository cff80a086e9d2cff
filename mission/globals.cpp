// The module's globals, defined together so that they are built in this order when the library
// is loaded (and destroyed in reverse order when it is freed): the message stream, the save
// region with the command state block, the command control. They come before every other
// static object of the module.
#include "command/control.h"
#include "message/qv_ostream.h"
#include "mission/save_region.h"

qvn::basic_qv_ostream<char> messageStream __attribute__((init_priority(1001)));
SaveRegion saveRegion __attribute__((init_priority(1002)));
CommandState& commandState = saveRegion.commandState;
BasicSControl commandControl __attribute__((init_priority(1003)))(
    saveRegion.lastLine, saveRegion.lastLine + kLastLineSize);
