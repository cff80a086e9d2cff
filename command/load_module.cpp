#include "command/load_module.h"

#include <cstring>
#include <fstream>
#include <new>

#include "command/command_files.h"
#include "message/report.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

constexpr std::size_t kFirstScratchSize = 61;

// One line of a command file read in text mode: natively the runtime does not turn CR LF
// into LF, so a CR in front of the line end is dropped here as the Windows runtime does.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
#if !defined(_WIN32)
    if (!in.eof() && !line.empty() && line.back() == '\r') line.pop_back();
#endif
    return true;
}

}  // namespace

void Load::interact(int op, int) {
    reportNotSupported(op);
}

int Load::request(int op) {
    return refuseRequest(op);
}

void Load::execute(const char* args, ::BasicSControl& control) {
    if (!hasArguments(args)) return;
    if (std::strchr(args, '.') != nullptr) {
        report(category::filesystem, reportText::invalidFileName);
        return;
    }
    if (!running) {
        // Left over from a run that ended early.
        pendingFiles.clear();
        activeNames.clear();
    }
    std::string path;
    try {
        path = commandFilePath(args);
        if (activeNames.count(path) != 0) {
            report(category::filesystem, reportText::fileAlreadyRead);
            return;
        }
    } catch (const std::bad_alloc& failure) {
        reportOutOfMemory(failure);
        return;
    }
    if (!queueFile(path)) return;
    // A load line inside a running file: the run in progress takes the new file next.
    if (running) return;
    runPendingFiles(control);
}

bool Load::queueFile(const std::string& path) {
    std::ifstream in(platformPath(path));
    if (!in.is_open()) {
        report(category::filesystem, reportText::fileNotFound);
        return false;
    }
    activeNames.insert(path);
    try {
        pendingFiles.push_front(PendingFile{path, {}});
        std::list<std::string>& lines = pendingFiles.front().lines;
        std::string line;
        while (readLine(in, line)) lines.push_back(line);
    } catch (const std::bad_alloc& failure) {
        if (!pendingFiles.empty() && pendingFiles.front().path == path) pendingFiles.pop_front();
        activeNames.erase(path);
        reportOutOfMemory(failure);
        return false;
    }
    return true;
}

void Load::runPendingFiles(::BasicSControl& control) {
    running = true;
    // However the run ends, the control keeps its lines in the save region again.
    struct RunEnd {
        Load& load;
        ::BasicSControl& control;
        ~RunEnd() {
            std::vector<char>().swap(load.scratch);
            load.scratchBegin = load.scratchEnd = nullptr;
            control.lineAreaBeginRef = &control.lineAreaBegin;
            control.lineAreaEndRef = &control.lineAreaEnd;
            load.running = false;
        }
    } runEnd{*this, control};

    try {
        scratch.assign(kFirstScratchSize, '\0');
    } catch (const std::bad_alloc& failure) {
        reportOutOfMemory(failure);
        return;
    }
    scratchBegin = scratch.data();
    scratchEnd = scratchBegin + scratch.size();
    control.lineAreaBeginRef = &scratchBegin;
    control.lineAreaEndRef = &scratchEnd;

    while (!pendingFiles.empty()) {
        PendingFile& front = pendingFiles.front();
        if (front.lines.empty()) {
            activeNames.erase(front.path);
            pendingFiles.pop_front();
        } else {
            runNextLine(front, control);
        }
    }
}

void Load::runNextLine(PendingFile& file, ::BasicSControl& control) {
    std::string line = std::move(file.lines.front());
    file.lines.pop_front();
    try {
        if (scratch.size() < line.size() + 1) {
            scratch.resize(line.size() + 1);
            scratchBegin = scratch.data();
            scratchEnd = scratchBegin + scratch.size();
        }
    } catch (const std::bad_alloc& failure) {
        file.lines.clear();
        reportOutOfMemory(failure);
        return;
    }
    control.handleMessage(line.c_str(), -1);
}

}  // namespace qvn
