// How the process takes memory for large blocks (table rows, index images,
// file contents of megabytes). On Linux, `new` of 2 MB or more starts on a
// huge page and asks for huge pages (memory_policy.cpp), except under the
// sanitizers, which keep their own allocator.
//
// Freed large blocks are left to the C library, which keeps them for the next
// ones once the first is freed: a run's tables, orders and index images come
// and go in like sizes, and memory fresh from the system costs the kernel a
// page of zeros for every page touched (a tenth of a large import's time when
// every block went back to the system).
#pragma once
