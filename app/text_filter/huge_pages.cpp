// Huge pages for the large buffers of the filter. For a 64 MiB text the page faults of the input
// and output buffers, one per 4 KiB, cost about as much as the line joiner itself; with huge
// pages they are a few dozen. Those buffers are std::strings, some allocated inside the text
// library, so the hint goes into operator new, which this program replaces: it allocates
// exactly as the default one does (malloc) and only adds the hint for large blocks.
#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZURVANE_KEEP_DEFAULT_NEW 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZURVANE_KEEP_DEFAULT_NEW 1
#endif

#if defined(__linux__) && defined(MADV_HUGEPAGE) && !defined(ZURVANE_KEEP_DEFAULT_NEW)

namespace {

constexpr std::size_t kLargeAllocation = std::size_t{8} << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

// The whole huge pages inside the block, before anything has touched them. Only a hint.
void advise_huge_pages(void* data, std::size_t size) {
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
    if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace

void* operator new(std::size_t size) {
    void* data = std::malloc(size == 0 ? 1 : size);
    if (data == nullptr) throw std::bad_alloc();
    if (size >= kLargeAllocation) advise_huge_pages(data, size);
    return data;
}

void operator delete(void* data) noexcept {
    std::free(data);
}
void operator delete(void* data, std::size_t) noexcept {
    std::free(data);
}

#endif
