#include "database/heap_prefault.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace lg {
namespace {

#ifndef MADV_POPULATE_WRITE
constexpr int MADV_POPULATE_WRITE = 23;  // Linux 5.14
#endif

// The heap grows by up to this much beyond each request, so that one populate
// call covers the allocations of many records.
constexpr std::size_t kMaxGrowthStep = 64u << 20;
constexpr std::size_t kMinGrowthStep = 1u << 20;
constexpr std::size_t kDefaultTopPad = 128u << 10;  // glibc's own default

char* CurrentBreak() {
    return static_cast<char*>(sbrk(0));
}

}  // namespace

bool PopulatePages(const void* data, std::size_t bytes) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    auto from = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t to = (from + bytes) / page * page;
    from = (from + page - 1) / page * page;
    if (to <= from) return true;
    return madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) == 0;
}

HeapPrefaulter::HeapPrefaulter(std::size_t expectedBytes) {
    if (expectedBytes == 0) return;
    char* end = CurrentBreak();
    if (end == reinterpret_cast<char*>(-1)) return;
    step_ = std::clamp(expectedBytes / 2, kMinGrowthStep, kMaxGrowthStep);
    active_ = mallopt(M_TOP_PAD, static_cast<int>(step_)) == 1;
    populatedEnd_ = end;
}

HeapPrefaulter::~HeapPrefaulter() {
    if (active_) mallopt(M_TOP_PAD, static_cast<int>(kDefaultTopPad));
}

void HeapPrefaulter::Poll() {
    if (!active_) return;
    char* end = CurrentBreak();
    if (end <= populatedEnd_) return;
    // Populating pages already in use changes nothing in them, so the
    // page the last step ended in is taken whole.
    long pageSize = sysconf(_SC_PAGESIZE);
    char* from = populatedEnd_ - reinterpret_cast<std::uintptr_t>(populatedEnd_) %
                                     static_cast<std::uintptr_t>(pageSize);
    if (!PopulatePages(from, static_cast<std::size_t>(end - from))) {
        active_ = false;  // not supported here: fall back to faulting page by page
        mallopt(M_TOP_PAD, static_cast<int>(kDefaultTopPad));
        return;
    }
    populatedEnd_ = end;
}

}  // namespace lg
