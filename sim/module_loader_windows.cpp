// Modules as Windows DLLs: LoadLibrary, GetProcAddress, FreeLibrary. The module's imports of
// the system functions that the host stands in for are redirected while it loads.
#include <windows.h>

#include "sim/module_imports_windows.h"
#include "sim/module_loader.h"
#include "sim/system_stand_ins_windows.h"

namespace sim {

namespace {

std::string systemErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length != 0 ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// True when `address` lies in a code section of the image at `base`.
bool inCodeSection(HMODULE base, const void* address) {
    const auto* image = reinterpret_cast<const unsigned char*>(base);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
    const ULONG_PTR offset =
        reinterpret_cast<const unsigned char*>(address) - image;
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (offset >= section->VirtualAddress &&
            offset < section->VirtualAddress + section->Misc.VirtualSize) {
            return (section->Characteristics & IMAGE_SCN_MEM_EXECUTE) != 0;
        }
    }
    return false;
}

class DllLoader : public ModuleLoader {
public:
    ~DllLoader() override { unload(); }

    bool load(const std::string& path, std::string& error) override {
        unload();
        ImportRedirection redirection(fileNameOf(path), systemStandIns());
        if (!redirection.active()) {
            error = "the system cannot report module loads";
            return false;
        }
        module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (module_ == nullptr) {
            error = systemErrorText(GetLastError());
            return false;
        }
        return true;
    }

    void* function(const std::string& name) override {
        if (module_ == nullptr) return nullptr;
        void* address = reinterpret_cast<void*>(GetProcAddress(module_, name.c_str()));
        // Data exports, and names forwarded to another library, are not the module's functions.
        if (address == nullptr || !inCodeSection(module_, address)) return nullptr;
        return address;
    }

    void unload() override {
        if (module_ == nullptr) return;
        FreeLibrary(module_);
        module_ = nullptr;
    }

    bool loaded() const override { return module_ != nullptr; }

private:
    HMODULE module_ = nullptr;
};

}  // namespace

std::unique_ptr<ModuleLoader> makeModuleLoader() {
    return std::make_unique<DllLoader>();
}

std::string moduleFileName(const std::string& build) {
    return build + ".dll";
}

}  // namespace sim
