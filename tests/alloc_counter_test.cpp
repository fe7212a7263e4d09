#include "alloc_counter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Through volatile pointers, so the compiler cannot drop the allocations.
void* (*volatile cMalloc)(std::size_t) = std::malloc;
void (*volatile cFree)(void*) = std::free;

TEST(AllocationCounter, CountsOnlyWhileArmed) {
    if (!allocationCountingAvailable()) {
        EXPECT_EQ(0, stopCountingAllocations());
        GTEST_SKIP() << "allocations are not counted in this build";
    }
    startCountingAllocations();
    EXPECT_EQ(0, stopCountingAllocations());

    startCountingAllocations();
    std::string* text = new std::string(100, 'x');
    void* block = cMalloc(64);
    const long counted = stopCountingAllocations();
    cFree(block);
    delete text;
    EXPECT_GE(counted, 3); // the string, its characters, the block

    std::string* later = new std::string(100, 'y');
    delete later;
    EXPECT_EQ(counted, stopCountingAllocations());
}

} // namespace
