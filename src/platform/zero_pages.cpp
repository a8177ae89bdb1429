#include "platform/zero_pages.h"

#include <sys/mman.h>

#include <new>

namespace vorda {

void* AllocateZeroPages(std::size_t size) {
  void* pages = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (pages == MAP_FAILED) throw std::bad_alloc();
  return pages;
}

void FreeZeroPages(void* pages, std::size_t size) noexcept {
  if (pages) ::munmap(pages, size);
}

}  // namespace vorda
