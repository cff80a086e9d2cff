// What the module does when the host loads and frees it (after its static construction,
// before its static destruction).
#pragma once

void onLibraryLoad();
void onLibraryUnload();
