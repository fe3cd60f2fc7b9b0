#pragma once
// Heap allocations of the whole program, counted by replacing the global
// operator new. Link AllocationCounter.cpp into a test or benchmark program
// to show that a run allocates per row and message, never per interval.
long HeapAllocationCount();
