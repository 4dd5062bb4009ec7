#pragma once

namespace vm::bench {

// Measures every figure and prints it as a table, each beside its target.
// Returns 0; a missed target is reported, not failed.
int printReport();

}  // namespace vm::bench
