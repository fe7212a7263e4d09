// Counts heap allocations of the test process, to check allocation-free code.
#pragma once

// False where nothing is counted (sanitized builds and Windows): skip the check there,
// e.g. if (!allocationCountingAvailable()) GTEST_SKIP() << "allocations not counted";
bool allocationCountingAvailable();

// Starts counting from zero every operator new and, on glibc, malloc, calloc and realloc.
void startCountingAllocations();

// Stops counting and returns the allocations since the start (0 where not available).
long stopCountingAllocations();
