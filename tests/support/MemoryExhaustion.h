// Tells a test of running out of memory whether it can run in this build.
#pragma once

#include <gtest/gtest.h>

// AddressSanitizer's allocator ends the program when an allocation fails instead
// of throwing std::bad_alloc, so a test that runs the program out of memory on
// purpose cannot run in the sanitizer tree; it is skipped there and runs elsewhere.
#ifdef __SANITIZE_ADDRESS__
#define SKIP_WHERE_ALLOCATION_FAILURE_ENDS_THE_PROGRAM() \
    GTEST_SKIP() << "AddressSanitizer ends the program when memory runs out"
#else
#define SKIP_WHERE_ALLOCATION_FAILURE_ENDS_THE_PROGRAM() static_cast<void>(0)
#endif
