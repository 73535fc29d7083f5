#pragma once

// A closed page frees tens of megabytes that the C library keeps for later use; handing it back
// to the system a moment after the last page went keeps the program's size where it was.
namespace FreedMemory {
// Gives freed memory back to the system once closing has stopped for a moment.
void ReleaseSoon();
} // namespace FreedMemory
