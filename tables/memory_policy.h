// How the process takes memory for large blocks (table rows, index images,
// file contents of megabytes). On Linux, `new` of 2 MB or more also asks for
// huge pages (memory_policy.cpp), except under the sanitizers, which keep
// their own allocator.
#pragma once

namespace tv::tables {

// Blocks of a megabyte or more come straight from the system and go back to
// it when freed. Without this, the C library raises that limit after the
// first large block is freed, and a table read and dropped early in a run
// (a whole CUADROH3 to check one field's width) stays in the process's
// memory for the rest of it. Does nothing where the C library has no such
// setting.
void ReturnLargeBlocksToTheSystem();

} // namespace tv::tables
