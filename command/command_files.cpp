#include "command/command_files.h"

#include <algorithm>

namespace qvn {

std::string commandFilePath(const char* name) {
    return std::string("fl_file\\") + name + ".txt";
}

std::string platformPath(const std::string& path) {
#if defined(_WIN32)
    return path;
#else
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
#endif
}

}  // namespace qvn
