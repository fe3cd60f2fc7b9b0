#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// GCC takes the replaced operators' malloc and free for a mismatch once inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<long> allocationCount{0};
}

long HeapAllocationCount() { return allocationCount.load(std::memory_order_relaxed); }

void* operator new(std::size_t size)
{
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
