#pragma once
// Faults the heap's new pages in one system call per step while a big file
// is read. On virtual machines a page fault per 4 KiB page can cost more than
// the parsing itself (about 10 microseconds each, 3.5 s for a 1.3 GB
// database), while populating a whole range at once costs a fraction of it.

#include <cstddef>
#include <cstdint>

namespace lg {

// Faults in the whole pages inside the range with one system call, as huge
// pages where the system has transparent huge pages on request. False where
// the kernel does not know the call: the pages then fault one by one on
// first use, as usual.
bool PopulatePages(const void* data, std::size_t bytes);

// While alive, lets the heap grow in large steps and populates each step as
// soon as Poll() sees it. Harmless where the kernel or the allocator does
// not cooperate (sanitizer builds, old kernels): Poll() then does nothing.
class HeapPrefaulter {
  public:
    // The process's main heap grows at the program break; a thread's own
    // heap grows where its newest blocks are.
    enum class Heap { Main, Thread };

    // `expectedBytes` is about the size of the input; the heap then grows in
    // steps of a part of it, so that small files do not reserve much more
    // than they use. 0 (unknown) does nothing; on a thread's heap, any other
    // value populates it in steps of a few MiB.
    explicit HeapPrefaulter(std::size_t expectedBytes, Heap heap = Heap::Main);
    ~HeapPrefaulter();
    HeapPrefaulter(const HeapPrefaulter&) = delete;
    HeapPrefaulter& operator=(const HeapPrefaulter&) = delete;

    // Cheap: one sbrk(0) when the heap has not grown, a comparison on a
    // thread's heap. `recent` is a block allocated a moment ago.
    void Poll(const void* recent);

    // Call on a new thread before it allocates anything, while no other
    // thread allocates. A thread's heap is reserved in blocks of 64 MiB but
    // made usable a page at a time, one system call per page, beyond what
    // the heap had when it was created; this creates the calling thread's
    // heap with a whole block usable. Nothing where the allocator does not
    // cooperate.
    void PrepareThreadHeap() const;

    // False where the allocator did not take the larger steps (a sanitizer's
    // allocator, say): a thread's heap is then not the allocator's either.
    bool Active() const { return active_; }

  private:
    void PollThreadHeap(std::uintptr_t recent);

    char* populatedEnd_ = nullptr;
    std::size_t step_ = 0;
    bool active_ = false;
    Heap heap_ = Heap::Main;
    std::uintptr_t block_ = 0;  // of the thread's heap
    std::uintptr_t threadPopulatedEnd_ = 0;
};

}  // namespace lg
