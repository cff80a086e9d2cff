// The C++ runtime linked into the DLL keeps an emergency buffer for exceptions on the heap for
// as long as it lives; a DLL is unloaded long before the process ends, so the buffer is given
// back after the module's last static destructor has run.
namespace __gnu_cxx {
void __freeres() noexcept;
}

namespace {

struct RuntimeRelease {
    ~RuntimeRelease() { __gnu_cxx::__freeres(); }
};

// Built before every other static object of the module, so destroyed after all of them.
RuntimeRelease release __attribute__((init_priority(101)));

}  // namespace
