// The system's message box as the host traces it, natively and on Windows alike.
#pragma once

namespace sim {

void traceMessageBox(const void* owner, char const* text, char const* caption, unsigned style);

}  // namespace sim
