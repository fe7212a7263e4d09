#include "alloc_counter.h"

#if defined(MEDTOOL_SANITIZED) || defined(_WIN32)

// The sanitizers own the allocator, and the Windows runtime offers no hook.
bool allocationCountingAvailable() {
    return false;
}
void startCountingAllocations() {}
long stopCountingAllocations() {
    return 0;
}

#else

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__GLIBC__)
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}
#endif

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void noteAllocation() {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}

void* rawAllocate(std::size_t size) {
#if defined(__GLIBC__)
    return __libc_malloc(size);
#else
    return std::malloc(size);
#endif
}

void* rawAllocateAligned(std::size_t size, std::size_t alignment) {
#if defined(__GLIBC__)
    return __libc_memalign(alignment, size);
#else
    return std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
#endif
}

// No exceptions here: a test run that runs out of memory ends.
void* allocateOrDie(std::size_t size) {
    noteAllocation();
    void* p = rawAllocate(size == 0 ? 1 : size);
    if (p == nullptr) std::abort();
    return p;
}

void* allocateAlignedOrDie(std::size_t size, std::align_val_t alignment) {
    noteAllocation();
    void* p = rawAllocateAligned(size == 0 ? 1 : size, static_cast<std::size_t>(alignment));
    if (p == nullptr) std::abort();
    return p;
}

} // namespace

bool allocationCountingAvailable() {
    return true;
}

void startCountingAllocations() {
    allocations.store(0, std::memory_order_relaxed);
    counting.store(true, std::memory_order_relaxed);
}

long stopCountingAllocations() {
    counting.store(false, std::memory_order_relaxed);
    return allocations.load(std::memory_order_relaxed);
}

void* operator new(std::size_t size) {
    return allocateOrDie(size);
}
void* operator new[](std::size_t size) {
    return allocateOrDie(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    noteAllocation();
    return rawAllocate(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    noteAllocation();
    return rawAllocate(size == 0 ? 1 : size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocateAlignedOrDie(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocateAlignedOrDie(size, alignment);
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

#if defined(__GLIBC__)
// Interposes the C allocator too, for code that calls it directly.
extern "C" {
void* malloc(std::size_t size) noexcept {
    noteAllocation();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    noteAllocation();
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) noexcept {
    noteAllocation();
    return __libc_realloc(pointer, size);
}
}
#endif

#endif
