#include "command/file_module.h"

#include <cstring>
#include <new>

#include "command/command_files.h"
#include "message/report.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

constexpr std::size_t kMaxFileName = 64;

// Outside a save the command output stream writes nowhere: no buffer, bad state.
void detachCommandOutput() {
    commandOutput().rdbuf(nullptr);
}

}  // namespace

File::File() {
    detachCommandOutput();
}

File::~File() {
    if (outputFile.is_open()) outputFile.close();
}

void File::interact(int op, int) {
    if (op == inopReset) {
        outputPath.clear();
    } else {
        reportNotSupported(op);
    }
}

int File::request(int op) {
    switch (op) {
        case inopOpenOut:
            return openOutput();
        case inopCloseOut:
            return closeOutput();
        default:
            reportNotSupported(op);
            return inopError;
    }
}

int File::openOutput() {
    if (outputFile.is_open()) outputFile.close();
    outputFile.clear();
    // The stream takes a buffer of its own only before it opens a file.
    outputFile.rdbuf()->pubsetbuf(writeBuffer, sizeof(writeBuffer));
    outputFile.open(platformPath(outputPath), std::ios::out | std::ios::app);
    if (!outputFile.good()) return inopError;
    commandOutput().rdbuf(outputFile.rdbuf());
    commandOutput().clear();
    return inopOk;
}

int File::closeOutput() {
    int answer = inopOk;
    if (!commandOutput().good()) {
        report(category::filesystem, reportText::unknownError);
        answer = inopErrorHandled;
    }
    detachCommandOutput();
    if (outputFile.is_open()) outputFile.close();
    return answer;
}

void File::execute(const char* args, ::BasicSControl&) {
    if (!hasArguments(args)) return;
    if (std::strchr(args, '.') != nullptr || std::strlen(args) > kMaxFileName) {
        report(category::filesystem, reportText::invalidFileName);
        return;
    }
    try {
        outputPath = commandFilePath(args);
    } catch (const std::bad_alloc& failure) {
        reportOutOfMemory(failure);
        outputPath.clear();
    }
}

}  // namespace qvn
