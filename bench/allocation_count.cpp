#include "bench/allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> g_allocations{0};

}  // namespace

long long GetAllocationCount() { return g_allocations; }

// Kept in a file of their own: inlined beside the callers' new expressions, these would draw
// GCC's warning about free() on memory from operator new.
void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
