#include "database/heap_prefault.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <algorithm>
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
        for (int i = 0; i < 20000; ++i) {
            if (*blocks[i] != std::string(300, static_cast<char>('a' + i % 26))) intact = false;
        }
    });
    worker.join();
    EXPECT_TRUE(intact);
    std::vector<char> after(1u << 20, 'z');
    main.Poll(nullptr);
    EXPECT_EQ(std::count(after.begin(), after.end(), 'z'), 1 << 20);
}

}  // namespace
}  // namespace lg
