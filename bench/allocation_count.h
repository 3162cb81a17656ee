// The number of heap allocations (operator new) made by this program so far. Linking
// allocation_count.cpp replaces the global operator new to count them.
#pragma once

long long GetAllocationCount();
