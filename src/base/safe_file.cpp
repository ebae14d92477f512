#include "base/safe_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

namespace lg {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

// The test hook: bytes still allowed before writes fail, and with what.
std::atomic<int64_t> writesLeft{-1};
std::atomic<int> writeError{ENOSPC};

// The mode a new file gets from open(2): what the umask leaves of 0666.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Temporary files of this name that a killed run left behind: the same
// pattern as mkstemp's, untouched for a minute, so no file that another run
// is still writing is taken.
void RemoveLeftovers(const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    const std::string prefix = "." + target.filename().string() + ".";
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::error_code ignored;
        if (!it->is_regular_file(ignored)) continue;
        const auto written = it->last_write_time(ignored);
        if (!ignored && now - written > std::chrono::minutes(1)) fs::remove(it->path(), ignored);
    }
}

}  // namespace

std::string FileErrorText(int error) {
    switch (error) {
        case ENOSPC:
            return "the disk is full";
#ifdef EDQUOT
        case EDQUOT:
            return "the disk quota is used up";
#endif
        case EACCES:
        case EPERM:
            return "permission denied";
        case EROFS:
            return "the file system is read-only";
        case ENOENT:
            return "the folder does not exist";
        case ENOTDIR:
            return "a part of the path is not a folder";
        case EISDIR:
            return "it is a folder";
        case ENAMETOOLONG:
            return "the name is too long";
        case EIO:
            return "an input/output error";
        default:
            return std::strerror(error);
    }
}

void FailOutputWritesAfter(int64_t bytes, int error) {
    writeError = error;
    writesLeft = bytes;
}

SafeFile::SafeFile(std::string path) : path_(std::move(path)) {
    const std::filesystem::path target(path_);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        Fail(errno);
        return;
    }
    temp_ = pattern.data();
    // mkstemp makes the file private; the new file should be readable as the
    // old one was (published pages are read by web servers).
    struct stat old {};
    ::fchmod(fd, ::stat(path_.c_str(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode());
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        Fail(errno);
        ::close(fd);
        return;
    }
    buffer_.reserve(kBufferSize);
}

SafeFile::~SafeFile() {
    if (!committed_) Abandon();
}

void SafeFile::Fail(int error) {
    if (!error_.Failed()) error_ = {path_, FileErrorText(error)};
}

void SafeFile::Write(std::string_view bytes) {
    if (!Ok() || finished_) return;
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize) Flush();
}

void SafeFile::Flush() {
    if (buffer_.empty() || !Ok()) return;
    std::size_t size = buffer_.size();
    const int64_t left = writesLeft.load();
    const bool hookFails = left >= 0 && static_cast<int64_t>(size) > left;
    if (hookFails) size = static_cast<std::size_t>(left);
    if (left >= 0) writesLeft = hookFails ? 0 : left - static_cast<int64_t>(size);
    errno = 0;
    const std::size_t written = std::fwrite(buffer_.data(), 1, size, file_);
    buffer_.clear();
    if (written != size) Fail(errno ? errno : EIO);
    if (hookFails) Fail(writeError);
}

bool SafeFile::Finish() {
    if (finished_ || !file_) return Ok();
    Flush();
    errno = 0;
    if (std::fflush(file_) != 0) Fail(errno ? errno : EIO);
    if (std::fclose(file_) != 0) Fail(errno ? errno : EIO);
    file_ = nullptr;
    finished_ = true;
    return Ok();
}

bool SafeFile::Commit() {
    if (committed_) return true;
    if (!Finish()) {
        Abandon();
        return false;
    }
    if (std::rename(temp_.c_str(), path_.c_str()) != 0) {
        Fail(errno);
        Abandon();
        return false;
    }
    committed_ = true;
    RemoveLeftovers(path_);
    return true;
}

void SafeFile::Abandon() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temp_.empty() && !committed_) std::remove(temp_.c_str());
    temp_.clear();
    finished_ = true;
}

SafeFile& SafeFileSet::Open(std::string path) {
    return files_.emplace_back(std::move(path));
}

bool SafeFileSet::CommitAll() {
    bool complete = true;
    for (SafeFile& file : files_) complete = file.Finish() && complete;
    if (!complete) {
        AbandonAll();
        return false;
    }
    for (SafeFile& file : files_)
        if (!file.Commit()) {
            AbandonAll();
            return false;
        }
    return true;
}

void SafeFileSet::AbandonAll() {
    for (SafeFile& file : files_) file.Abandon();
}

FileError SafeFileSet::Error() const {
    for (const SafeFile& file : files_)
        if (file.Error().Failed()) return file.Error();
    return {};
}

}  // namespace lg
