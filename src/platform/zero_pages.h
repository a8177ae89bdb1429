#pragma once
// Memory that the system hands out zeroed, in whole pages that cost nothing
// until they are written (nothing is filled, nothing resident): for a large
// table that starts as all zero and is then read from a file in one block.
#include <cstddef>

namespace vorda {

// `size` bytes of zeroes; throws std::bad_alloc when the system has none.
void* AllocateZeroPages(std::size_t size);
// Gives the pages back to the system at once.
void FreeZeroPages(void* pages, std::size_t size) noexcept;

}  // namespace vorda
