#include "LargestAllocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

// GCC takes the replaced operators' malloc and free for a mismatch once inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<std::size_t> largest{0};
}

void ResetLargestAllocation() { largest.store(0); }
std::size_t LargestAllocation() { return largest.load(); }

void* operator new(std::size_t size)
{
    std::size_t seen = largest.load(std::memory_order_relaxed);
    while (size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed))
        ;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
