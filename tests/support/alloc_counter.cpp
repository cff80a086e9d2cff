#include "tests/support/alloc_counter.h"

#include <cstdlib>
#include <new>

#if defined(_WIN32)
#include <malloc.h>
#endif

namespace allocCounter {

namespace {

constexpr std::size_t loggedSizes = 64;

bool armed = false;
std::size_t failAt = 0;
std::size_t requests = 0;
std::size_t allocationCount = 0;
std::size_t allocatedBytes = 0;
std::size_t sizeLog[loggedSizes];

// Counts one request and answers whether it may be served.
bool admit(std::size_t size) {
    if (!armed || sim::hostCallDepth != 0) {
        return true;
    }
    if (++requests == failAt) {
        return false;
    }
    if (allocationCount < loggedSizes) {
        sizeLog[allocationCount] = size;
    }
    ++allocationCount;
    allocatedBytes += size;
    return true;
}

void* obtain(std::size_t size, std::size_t alignment) {
    if (size == 0) {
        size = 1;
    }
    if (alignment <= __STDCPP_DEFAULT_NEW_ALIGNMENT__) {
        return std::malloc(size);
    }
#if defined(_WIN32)
    return _aligned_malloc(size, alignment);
#else
    return std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
#endif
}

void release(void* block, std::size_t alignment) {
#if defined(_WIN32)
    if (alignment > __STDCPP_DEFAULT_NEW_ALIGNMENT__) {
        _aligned_free(block);
        return;
    }
#else
    (void)alignment;
#endif
    std::free(block);
}

void* allocate(std::size_t size, std::size_t alignment = __STDCPP_DEFAULT_NEW_ALIGNMENT__) {
    void* block = admit(size) ? obtain(size, alignment) : nullptr;
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void* allocateOrNull(std::size_t size,
                     std::size_t alignment = __STDCPP_DEFAULT_NEW_ALIGNMENT__) noexcept {
    return admit(size) ? obtain(size, alignment) : nullptr;
}

}  // namespace

Armed::Armed(std::size_t failAtRequest) {
    failAt = failAtRequest;
    requests = 0;
    allocationCount = 0;
    allocatedBytes = 0;
    armed = true;
}

Armed::~Armed() {
    armed = false;
}

std::size_t allocations() {
    return allocationCount;
}

std::size_t bytes() {
    return allocatedBytes;
}

std::vector<std::size_t> sizes() {
    // Building the answer allocates: keep that out of the counts.
    const bool wasArmed = armed;
    armed = false;
    const std::size_t logged = allocationCount < loggedSizes ? allocationCount : loggedSizes;
    std::vector<std::size_t> answer(sizeLog, sizeLog + logged);
    armed = wasArmed;
    return answer;
}

}  // namespace allocCounter

using allocCounter::allocate;
using allocCounter::allocateOrNull;
using allocCounter::release;

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment,
                     const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(alignment));
}

void operator delete(void* block) noexcept {
    release(block, __STDCPP_DEFAULT_NEW_ALIGNMENT__);
}
void operator delete[](void* block) noexcept {
    release(block, __STDCPP_DEFAULT_NEW_ALIGNMENT__);
}
void operator delete(void* block, std::size_t) noexcept {
    release(block, __STDCPP_DEFAULT_NEW_ALIGNMENT__);
}
void operator delete[](void* block, std::size_t) noexcept {
    release(block, __STDCPP_DEFAULT_NEW_ALIGNMENT__);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    release(block, __STDCPP_DEFAULT_NEW_ALIGNMENT__);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    release(block, __STDCPP_DEFAULT_NEW_ALIGNMENT__);
}
void operator delete(void* block, std::align_val_t alignment) noexcept {
    release(block, static_cast<std::size_t>(alignment));
}
void operator delete[](void* block, std::align_val_t alignment) noexcept {
    release(block, static_cast<std::size_t>(alignment));
}
void operator delete(void* block, std::size_t, std::align_val_t alignment) noexcept {
    release(block, static_cast<std::size_t>(alignment));
}
void operator delete[](void* block, std::size_t, std::align_val_t alignment) noexcept {
    release(block, static_cast<std::size_t>(alignment));
}
void operator delete(void* block, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    release(block, static_cast<std::size_t>(alignment));
}
void operator delete[](void* block, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    release(block, static_cast<std::size_t>(alignment));
}
