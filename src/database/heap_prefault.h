#pragma once
// Faults the heap's new pages in one system call per step while a big file
// is read. On virtual machines a page fault per 4 KiB page can cost more than
// the parsing itself (about 10 microseconds each, 3.5 s for a 1.3 GB
// database), while populating a whole range at once costs a fraction of it.

#include <cstddef>

namespace lg {

// Faults in the whole pages inside the range with one system call. False
// where the kernel does not know the call: the pages then fault one by one
// on first use, as usual.
bool PopulatePages(const void* data, std::size_t bytes);

// While alive, lets the heap grow in large steps and populates each step as
// soon as Poll() sees it. Harmless where the kernel or the allocator does
// not cooperate (sanitizer builds, old kernels): Poll() then does nothing.
class HeapPrefaulter {
  public:
    // `expectedBytes` is about the size of the input; the heap then grows in
    // steps of a part of it, so that small files do not reserve much more
    // than they use. 0 (unknown) does nothing.
    explicit HeapPrefaulter(std::size_t expectedBytes);
    ~HeapPrefaulter();
    HeapPrefaulter(const HeapPrefaulter&) = delete;
    HeapPrefaulter& operator=(const HeapPrefaulter&) = delete;

    // Cheap: one sbrk(0) when the heap has not grown.
    void Poll();

  private:
    char* populatedEnd_ = nullptr;
    std::size_t step_ = 0;
    bool active_ = false;
};

}  // namespace lg
