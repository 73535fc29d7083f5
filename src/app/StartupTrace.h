#pragma once

// The moments of start-up, for the start-up benchmark: with GLISTERWOOD_BENCH set, each step prints
// "bench: step <name> <ms since the process began>"; otherwise nothing happens.
namespace StartupTrace {
// Starts the clock; main() calls it first thing.
void Begin();
void Step(const char* name);
} // namespace StartupTrace
