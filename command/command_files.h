// Naming of command files: fl_file\<name>.txt below the current directory.
#pragma once

#include <string>

namespace qvn {

// The path of a command file as the module names it, backslashes and all.
std::string commandFilePath(const char* name);

// The same path as the platform opens it (natively, backslashes become folder separators).
std::string platformPath(const std::string& path);

}  // namespace qvn
