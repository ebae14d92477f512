#include "database/heap_prefault.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace lg {
namespace {

// Populating runs ahead of the newest allocation, over blocks that are in
// use and blocks that are not yet: neither may change what they hold.
TEST(HeapPrefaulter, ThreadHeapKeepsWhatItHoldsAndSurvivesStrayPointers) {
    HeapPrefaulter main(64u << 20);
    bool intact = true;
    std::thread worker([&] {
        main.PrepareThreadHeap();
        HeapPrefaulter prefaulter(1, HeapPrefaulter::Heap::Thread);
        std::vector<std::unique_ptr<std::string>> blocks;
        for (int i = 0; i < 20000; ++i) {
            blocks.push_back(std::make_unique<std::string>(300, static_cast<char>('a' + i % 26)));
            prefaulter.Poll(blocks.back()->data());
        }
        // A pointer whose block has no usable pages: the call fails quietly.
        void* reserved = mmap(nullptr, 1u << 20, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(reserved, MAP_FAILED);
        prefaulter.Poll(reserved);
        prefaulter.Poll(nullptr);
        munmap(reserved, 1u << 20);
        for (int i = 0; i < 20000; ++i)
            intact = intact && *blocks[i] == std::string(300, static_cast<char>('a' + i % 26));
    });
    worker.join();
    EXPECT_TRUE(intact);
    std::vector<char> after(1u << 20, 'z');
    main.Poll(nullptr);
    EXPECT_EQ(std::count(after.begin(), after.end(), 'z'), 1 << 20);
}

// Kilobytes resident in the mappings that overlap [from, to), and how many
// of them are in huge pages.
struct Resident {
    long kb = 0;
    long hugeKb = 0;
};
Resident ResidentIn(std::uintptr_t from, std::uintptr_t to) {
    Resident resident;
    std::ifstream maps("/proc/self/smaps");
    bool inside = false;
    for (std::string line; std::getline(maps, line);) {
        unsigned long start = 0, end = 0;
        long kb = 0;
        if (std::sscanf(line.c_str(), "%lx-%lx ", &start, &end) == 2)
            inside = start < to && from < end;
        else if (inside && std::sscanf(line.c_str(), "Rss: %ld", &kb) == 1)
            resident.kb += kb;
        else if (inside && std::sscanf(line.c_str(), "AnonHugePages: %ld", &kb) == 1)
            resident.hugeKb += kb;
    }
    return resident;
}

bool HugePagesOnRequest() {
    std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string text;
    std::getline(mode, text);
    return text.find("[madvise]") != std::string::npos ||
           text.find("[always]") != std::string::npos;
}

// Fills a fresh thread heap and then the main heap under their prefaulters
// and exits with 0 when most of both is in huge pages; the figures go to
// standard error.
[[noreturn]] void FillFreshHeapsAndExit() {
    HeapPrefaulter main(64u << 20);
    // Returns what is resident between the lowest and the highest block.
    auto fill = [](HeapPrefaulter& prefaulter) {
        std::vector<std::unique_ptr<std::string>> blocks;
        for (int i = 0; i < 150000; ++i) {  // about 45 MiB
            blocks.push_back(std::make_unique<std::string>(280, 'x'));
            if (i % 1000 == 0) prefaulter.Poll(blocks.back()->data());
        }
        auto [low, high] =
            std::minmax_element(blocks.begin(), blocks.end(),
                                [](const auto& a, const auto& b) { return a.get() < b.get(); });
        return ResidentIn(reinterpret_cast<std::uintptr_t>(low->get()),
                          reinterpret_cast<std::uintptr_t>(high->get()));
    };
    Resident thread;
    std::thread worker([&] {
        main.PrepareThreadHeap();
        HeapPrefaulter prefaulter(1, HeapPrefaulter::Heap::Thread);
        thread = fill(prefaulter);
    });
    worker.join();
    const Resident heap = fill(main);
    std::fprintf(stderr, "thread heap %ld of %ld kB in huge pages, main heap %ld of %ld kB\n",
                 thread.hugeKb, thread.kb, heap.hugeKb, heap.kb);
    std::_Exit(thread.hugeKb > thread.kb / 2 && heap.hugeKb > heap.kb / 2 ? 0 : 1);
}

// Both heaps' populated steps become huge pages where the system offers
// them on request; a step that ends inside a huge page leaves it in small
// pages, which the program's first writes then pay for one by one. In a
// process of its own: heaps that earlier tests left behind are already
// resident and would be reused.
TEST(HeapPrefaulter, PopulatedHeapsAreMostlyHugePagesWhereTheSystemHasThem) {
    if (!HugePagesOnRequest()) GTEST_SKIP() << "no transparent huge pages on request";
    if (!HeapPrefaulter(64u << 20).Active()) GTEST_SKIP() << "another allocator";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(FillFreshHeapsAndExit(), testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lg
