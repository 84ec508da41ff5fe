#pragma once

namespace corvane {

// Hands the memory the program has freed back to the system a few seconds after the last call:
// the C library keeps freed memory for the program's next use, and a page's view that goes
// leaves megabytes that would otherwise count against the program for the rest of its run.
void giveBackFreedMemorySoon();

}  // namespace corvane
