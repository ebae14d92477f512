#include "database/heap_prefault.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

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
// glibc reserves a thread's heap in blocks of this size, aligned to it; the
// growth steps below stay inside the block of the newest allocation. Were
// the blocks different, a populate call outside the usable part fails and
// the pages fault one by one as usual.
constexpr std::uintptr_t kThreadHeapBlock = std::uintptr_t{64} << 20;
constexpr std::size_t kThreadStep = 4u << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

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
    // Populated 4 KiB pages can still cost a few microseconds each on the
    // program's first write to them: on a virtual machine that was a third of
    // the reading of a big file. 2 MiB pages take that cost once per 512
    // pages. Only advice: without transparent huge pages it fails and
    // changes nothing.
    madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    return madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) == 0;
}

HeapPrefaulter::HeapPrefaulter(std::size_t expectedBytes, Heap heap) : heap_(heap) {
    if (expectedBytes == 0) return;
    if (heap == Heap::Thread) {
        step_ = kThreadStep;
        active_ = true;
        return;
    }
    char* end = CurrentBreak();
    if (end == reinterpret_cast<char*>(-1)) return;
    step_ = std::clamp(expectedBytes / 2, kMinGrowthStep, kMaxGrowthStep);
    active_ = mallopt(M_TOP_PAD, static_cast<int>(step_)) == 1;
    populatedEnd_ = end;
}

HeapPrefaulter::~HeapPrefaulter() {
    if (active_ && heap_ == Heap::Main) mallopt(M_TOP_PAD, static_cast<int>(kDefaultTopPad));
}

void HeapPrefaulter::PrepareThreadHeap() const {
    if (!active_ || heap_ != Heap::Main) return;
    mallopt(M_TOP_PAD, static_cast<int>(kMaxGrowthStep));
    // The thread's first allocation creates its heap, with the pad usable.
    void* volatile first = std::malloc(1);
    mallopt(M_TOP_PAD, static_cast<int>(step_));
    std::free(first);
}

void HeapPrefaulter::PollThreadHeap(std::uintptr_t recent) {
    const std::uintptr_t block = recent & ~(kThreadHeapBlock - 1);
    if (block == block_ && recent + step_ / 2 < threadPopulatedEnd_) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    if (block != block_) {
        block_ = block;
        threadPopulatedEnd_ = recent / page * page;
    }
    const std::uintptr_t from = std::max(threadPopulatedEnd_, recent / page * page);
    const std::uintptr_t blockEnd = block + kThreadHeapBlock;
    // Steps end on a huge page boundary, so that no huge page is split
    // between two steps (the part of it populated first would be small pages).
    const std::uintptr_t to =
        std::min((recent + step_ + kHugePage - 1) / kHugePage * kHugePage, blockEnd);
    if (to <= from) return;
    // A failure means the block's pages past here are not usable yet: they
    // fault one by one, and this block is not tried again.
    threadPopulatedEnd_ =
        PopulatePages(reinterpret_cast<const void*>(from), to - from) ? to : blockEnd;
}

void HeapPrefaulter::Poll(const void* recent) {
    if (!active_) return;
    if (heap_ == Heap::Thread) {
        if (recent) PollThreadHeap(reinterpret_cast<std::uintptr_t>(recent));
        return;
    }
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
