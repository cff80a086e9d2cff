#include "command/interaction.h"

#include "message/report.h"

namespace qvn {

namespace {

struct OpName {
    int code;
    const char* name;
};

constexpr OpName kOpNames[] = {
    {inopError, "inopError"},     {inopOk, "inopOk"},
    {inopErrorHandled, "inopErrorHandled"}, {inopReset, "inopReset"},
    {inopSave, "inopSave"},       {inopOpenOut, "inopOpenOut"},
    {inopCloseOut, "inopCloseOut"}, {inopCallback, "inopCallback"},
    {inopStart, "inopStart"},     {inopStop, "inopStop"},
};

}  // namespace

const char* opName(int op) {
    for (const OpName& entry : kOpNames) {
        if (entry.code == op) return entry.name;
    }
    return "-unknown code-";
}

void reportNotSupported(int op) {
    std::string text = std::string(reportText::notSupportedOpen) + opName(op) +
                       reportText::notSupportedClose;
    report(category::logic, text.c_str());
}

int refuseRequest(int op) {
    reportNotSupported(op);
    return inopError;
}

void reportModuleUnavailable(const std::string& name) {
    std::string text = reportText::moduleUnavailable + name;
    report(category::internal, text.c_str());
}

}  // namespace qvn
