#pragma once

// Hands the heap's free pages back to the system. A window that held a large table leaves much
// free memory behind when it closes, which the allocator would otherwise keep for the whole run.
void ReturnFreedMemory();
