#include "base/safe_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace lg {
namespace {

using test::WritesFailAfter;

std::size_t FilesIn(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(SafeFile, TheOldFileStaysUntilTheNewOneIsComplete) {
    test::TempDir dir;
    const std::string path = dir.Write("page.htm", "old page").string();
    ::chmod(path.c_str(), 0644);
    {
        SafeFile file(path);
        ASSERT_TRUE(file.Ok()) << file.Error().Text();
        file.Write("new ");
        file.Write(std::string(200000, 'x'));  // more than one buffer
        EXPECT_EQ(test::ReadFile(path), "old page");
        EXPECT_EQ(FilesIn(dir.Path()), 2u);  // the page and its temporary file
        ASSERT_TRUE(file.Commit());
    }
    EXPECT_EQ(test::ReadFile(path), "new " + std::string(200000, 'x'));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);  // readable as before, not private

    // Dropped without a commit, or abandoned: the old file stays.
    {
        SafeFile file(path);
        file.Write("lost");
    }
    SafeFile abandoned(path);
    abandoned.Write("lost too");
    abandoned.Abandon();
    EXPECT_FALSE(abandoned.Commit());
    EXPECT_EQ(test::ReadFile(path), "new " + std::string(200000, 'x'));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(SafeFile, WhatAKilledRunLeftGoesWithTheNextCommit) {
    test::TempDir dir;
    namespace fs = std::filesystem;
    const fs::path stale = dir.Write(".page.htm.AbC123", "half a page");
    const fs::path fresh = dir.Write(".page.htm.XyZ789", "another run, still writing");
    const fs::path other = dir.Write(".other.htm.AbC123", "another page's");
    const fs::path mine = dir.Write(".page.htm.notmkstemp", "the user's");
    for (const fs::path& file : {stale, other, mine})
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(2));
    SafeFile file((dir.Path() / "page.htm").string());
    file.Write("page");
    ASSERT_TRUE(file.Commit());
    EXPECT_FALSE(fs::exists(stale));
    for (const fs::path& kept : {fresh, other, mine}) EXPECT_TRUE(fs::exists(kept)) << kept;
}

TEST(SafeFile, AFailedWriteSaysWhichFileAndWhy) {
    test::TempDir dir;
    const std::string path = dir.Write("page.htm", "old page").string();
    {
        WritesFailAfter full(10, ENOSPC);
        SafeFile file(path);
        file.Write(std::string(100, 'x'));
        EXPECT_FALSE(file.Commit());
        EXPECT_EQ(file.Error().Text(), path + ": the disk is full");
    }
    EXPECT_EQ(test::ReadFile(path), "old page");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);

    // A folder that is not there, or a name that is a folder.
    SafeFile nowhere((dir.Path() / "absent" / "page.htm").string());
    EXPECT_FALSE(nowhere.Ok());
    EXPECT_EQ(nowhere.Error().reason, "the folder does not exist");
    std::filesystem::create_directory(dir.Path() / "sub");
    SafeFile folder((dir.Path() / "sub").string());
    folder.Write("x");
    EXPECT_FALSE(folder.Commit());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "sub"));
    EXPECT_EQ(FilesIn(dir.Path()), 2u);
}

TEST(SafeFileSet, AllFilesTakeTheirPlacesOrNone) {
    test::TempDir dir;
    for (const char* name : {"a.htm", "b.htm", "c.htm"}) dir.Write(name, "old");
    auto writeSet = [&](int64_t failAfter) {
        WritesFailAfter disk(failAfter, ENOSPC);
        SafeFileSet set;
        for (const char* name : {"a.htm", "b.htm", "c.htm"})
            set.Open((dir.Path() / name).string()).Write(std::string(40, name[0]));
        const bool done = set.CommitAll();
        return std::make_pair(done, set.Error());
    };
    // The disk fills in the second file, then in the last one.
    for (int64_t failAfter : {50, 100}) {
        SCOPED_TRACE(failAfter);
        const auto [done, error] = writeSet(failAfter);
        EXPECT_FALSE(done);
        EXPECT_EQ(error.file, (dir.Path() / (failAfter == 50 ? "b.htm" : "c.htm")).string());
        for (const char* name : {"a.htm", "b.htm", "c.htm"})
            EXPECT_EQ(test::ReadFile(dir.Path() / name), "old") << name;
        EXPECT_EQ(FilesIn(dir.Path()), 3u);
    }
    const auto [done, error] = writeSet(-1);
    EXPECT_TRUE(done);
    EXPECT_FALSE(error.Failed());
    EXPECT_EQ(test::ReadFile(dir.Path() / "c.htm"), std::string(40, 'c'));
    EXPECT_EQ(FilesIn(dir.Path()), 3u);
}

}  // namespace
}  // namespace lg
