#include "mission/version_check.h"

#include <cstdlib>
#include <cstring>

#include "mission/save_region.h"
#include "mission/system.h"
#include "mission/version.h"

namespace {

constexpr char kMarker[] = "aBcDeFgHiJ";
constexpr std::size_t kMarkerLength = sizeof(kMarker) - 1;

}  // namespace

void writeVersionBuffer(char* region) {
    std::memcpy(region, kMarker, sizeof(kMarker));
    std::memcpy(region + kMarkerLength, kVersionText, sizeof(kVersionText));
}

std::string versionError(const char* region, std::size_t size) {
    if (std::strncmp(region, kMarker, kMarkerLength) != 0) {
        return "The version verification buffer is invalid";
    }
    // The stored text ends at its NUL, or at the end of the region if it has none.
    const char* stored = region + kMarkerLength;
    std::string storedText(stored, strnlen(stored, size - kMarkerLength));
    if (storedText == kVersionText) return std::string();
    return "Loading a savegame of version " + storedText + " with version " + kVersionText +
           " failed";
}

void checkSavegameVersion() {
    std::string error = versionError(reinterpret_cast<const char*>(&saveRegion), sizeof(saveRegion));
    if (error.empty()) return;
    MessageBoxA(nullptr, error.c_str(), "Version error", MB_SETFOREGROUND | MB_ICONERROR);
    std::abort();
}
