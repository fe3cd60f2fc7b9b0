#pragma once
// The largest single heap request since the last reset, counted by
// replacing the global operator new in the model tests: a file that
// announces a huge list or string must fail before memory is taken for it.
#include <cstddef>

void ResetLargestAllocation();
std::size_t LargestAllocation();
