// The savegame version check: a saved game written by another version of the module, or a
// region that is not this mission's at all, is refused at the first AIProc after a load.
#pragma once

#include <cstddef>
#include <string>

// Writes the marker and the version text at the start of the region (a new game).
void writeVersionBuffer(char* region);

// The refusal text for this region, or an empty string when it passes.
std::string versionError(const char* region, std::size_t size);

// Runs the check on saveRegion: passes silently, or shows the error box and ends the process.
void checkSavegameVersion();
