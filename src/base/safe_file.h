#pragma once
// Output files are written beside their place under a temporary name and
// renamed into place only once every byte is written and the file is
// closed. A full disk, a kill or a failed write therefore never leaves a
// fragment where a good file was: the reader finds the old file or the
// complete new one.

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <string_view>

namespace lg {

// Why a file operation failed, in a few words ("the disk is full",
// "permission denied"), for an errno value.
std::string FileErrorText(int error);

// Which output file failed, and why (FileErrorText); empty when none did.
struct FileError {
    std::string file;
    std::string reason;
    bool Failed() const { return !file.empty(); }
    // "FILE: REASON".
    std::string Text() const { return file + ": " + reason; }
};

// One output file. Writes are buffered; the first failure is kept and makes
// every later call a no-op, so a writer may write on and check once.
class SafeFile {
  public:
    // Creates the temporary file in the folder of `path`; on failure Ok() is
    // false and Error() says why.
    explicit SafeFile(std::string path);
    // Removes the temporary file unless it was put in place.
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    bool Ok() const { return !error_.Failed(); }
    void Write(std::string_view bytes);
    // Writes out the buffer and closes the temporary file.
    bool Finish();
    // Finishes the file if needed, then renames it over `path`. Temporary
    // files of the same name that a killed run left go with it.
    bool Commit();
    // Drops the temporary file; the old file stays as it was.
    void Abandon();

    const std::string& Path() const { return path_; }
    const FileError& Error() const { return error_; }

  private:
    void Fail(int error);
    void Flush();

    std::string path_;
    std::string temp_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    bool finished_ = false;
    bool committed_ = false;
    FileError error_;
};

// Output files that take their places together, such as the pages of one
// chart: every file is finished first, and only when all are complete are
// they renamed into place. When any fails, none is, and the old set stays
// as it was.
class SafeFileSet {
  public:
    // A new member; it stays valid as long as the set.
    SafeFile& Open(std::string path);
    // Finishes every member, then renames them all; false (and nothing
    // renamed) when one failed, which Error() names.
    bool CommitAll();
    // Drops every member's temporary file.
    void AbandonAll();
    // The first failure among the members.
    FileError Error() const;
    bool Empty() const { return files_.empty(); }

  private:
    std::deque<SafeFile> files_;
};

// For tests: makes writes fail with `error` (ENOSPC: a full disk) once
// `bytes` more bytes have been written by any output file; a negative
// count turns the failure off.
void FailOutputWritesAfter(int64_t bytes, int error);

}  // namespace lg
