// Every fixed text that the module shows players, with its prefix and sound. The texts are the
// ones players and their command files know, misspellings included: never correct them.
#pragma once

#include <cstdint>

#include "mission/version.h"

// A report category: the prefix written before the text, and the sound that marks it.
struct ReportCategory {
    const char* prefix;
    std::int32_t sound;
};

namespace category {
// The command text has the wrong shape.
inline constexpr ReportCategory format{"Format error: ", 52};
// The command is well formed but cannot be done.
inline constexpr ReportCategory logic{"Logic error: ", 158};
// The module's own state or the host failed.
inline constexpr ReportCategory internal{"Internal error: ", 158};
// Command files.
inline constexpr ReportCategory filesystem{"Filesystem error: ", 158};
}  // namespace category

// The texts that follow a category prefix.
namespace reportText {
inline constexpr char invalidParameterList[] = "Invalid parameter list";
inline constexpr char insufficientParameters[] = "Insufficient parameters";
inline constexpr char invalidModuleName[] = "Invalid module name";  // format and logic
inline constexpr char invalidParameter[] = "Invalid parameter";
inline constexpr char bufferOverflow[] = "Buffer overflow";
inline constexpr char externalDataRequired[] = "External data required";
inline constexpr char noAIPlayer[] = "No AI player available";
// "Not supported(" + the op code's name + ")"
inline constexpr char notSupportedOpen[] = "Not supported(";
inline constexpr char notSupportedClose[] = ")";
inline constexpr char offsetOverflow[] = "Offset overflow";
inline constexpr char lossOfModuleIntegrity[] = "Loss of module integrity";
// "Module unavailable: " + the module's name
inline constexpr char moduleUnavailable[] = "Module unavailable: ";
inline constexpr char internalFailure[] = "Kestrane-Internal failure";
inline constexpr char invalidFileName[] = "Invalid file name";
inline constexpr char fileNotFound[] = "File not found";
inline constexpr char fileAlreadyRead[] = "File already read";
inline constexpr char unknownError[] = "Unknown error";
}  // namespace reportText

// A news message: no prefix, its own sound.
struct NewsText {
    const char* text;
    std::int32_t sound;
};

namespace news {
inline constexpr NewsText enemyReinforcements{"Enemy reinforcements have arrived", 162};
inline constexpr NewsText additionalSurvivors{"Additional survivors located", 162};
inline constexpr NewsText populationBoom{"A population boom occured", 26};
inline constexpr NewsText foodSpoiled{"A majority of the food suppiles has spoiled!", 0};
inline constexpr NewsText meteorShower{"A meteor shower is approaching", 0};
// Followed by x "," y.
inline constexpr NewsText receivedCoords{"Recieved coords ", 0};
inline constexpr NewsText version{"v" KESTRANE_VERSION, 0};
}  // namespace news

// The out-of-memory report goes straight to the host, not through the message stream.
namespace outOfMemory {
inline constexpr char format[] = "Out of memory: %s";
inline constexpr std::int32_t sound = 32;
}  // namespace outOfMemory
