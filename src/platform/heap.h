// The heap start-up fills: some 40 MB of pictures, models and tune read, and as much again in
// the textures the GL library makes of them, allocated and freed in large blocks.
#pragma once

// Keeps large blocks in the heap rather than in mappings of their own (a freed picture's block
// serves the next texture instead of being given back), and asks the kernel for 2 MB pages
// there: under a virtual machine every 4 KB page first touched costs microseconds, and start-up
// touches some 40,000. Where the kernel gives large pages only on request (the usual setting)
// this cuts those faults 512-fold; where it never gives them, nothing changes. Call once, first.
void PrepareHeapForStartUp();
