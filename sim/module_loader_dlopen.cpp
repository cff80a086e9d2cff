// Modules as shared objects: dlopen, dlsym, dlclose.
#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include "sim/module_loader.h"

namespace sim {

namespace {

class SharedObjectLoader : public ModuleLoader {
public:
    ~SharedObjectLoader() override { unload(); }

    bool load(const std::string& path, std::string& error) override {
        unload();
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            const char* reason = dlerror();
            error = reason != nullptr ? reason : "cannot load " + path;
            return false;
        }
        if (dlinfo(handle_, RTLD_DI_LINKMAP, &linkMap_) != 0) linkMap_ = nullptr;
        return true;
    }

    void* function(const std::string& name) override {
        if (handle_ == nullptr) return nullptr;
        void* address = dlsym(handle_, name.c_str());
        if (address == nullptr) return nullptr;
        // dlsym also searches the libraries the module depends on: a trigger named after a C
        // library function must not reach it. Only the module's own function symbols count.
        Dl_info info;
        void* symbolEntry = nullptr;
        void* owner = nullptr;
        if (dladdr1(address, &info, &symbolEntry, RTLD_DL_SYMENT) == 0 ||
            dladdr1(address, &info, &owner, RTLD_DL_LINKMAP) == 0) {
            return nullptr;
        }
        if (owner != linkMap_ || symbolEntry == nullptr) return nullptr;
        // The type sits in the same low bits of st_info for 32-bit and 64-bit objects.
        const auto* symbol = static_cast<const ElfW(Sym)*>(symbolEntry);
        const int type = ELF64_ST_TYPE(symbol->st_info);
        if (type != STT_FUNC && type != STT_GNU_IFUNC) return nullptr;
        return address;
    }

    void unload() override {
        if (handle_ == nullptr) return;
        dlclose(handle_);
        handle_ = nullptr;
        linkMap_ = nullptr;
    }

    bool loaded() const override { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;
    void* linkMap_ = nullptr;
};

}  // namespace

std::unique_ptr<ModuleLoader> makeModuleLoader() {
    return std::make_unique<SharedObjectLoader>();
}

std::string moduleFileName(const std::string& build) {
    return build + ".so";
}

}  // namespace sim
