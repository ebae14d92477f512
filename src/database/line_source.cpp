#include "database/line_source.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "base/encoding.h"

namespace lg {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

// The first CR or LF in [from, to), or `to`. Lines are short, and this runs
// on every one of them: eight bytes at a time beats two memchr calls.
const char* FindLineEnd(const char* from, const char* to) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        constexpr std::uint64_t kHighs = 0x8080808080808080u;
        // The high bit of each zero byte; bits above the lowest such byte
        // may be wrong, so only the lowest one is used.
        const auto zeroBytes = [](std::uint64_t w) { return (w - kOnes) & ~w & kHighs; };
        for (; to - from >= 8; from += 8) {
            std::uint64_t w;
            std::memcpy(&w, from, 8);
            const std::uint64_t ends =
                zeroBytes(w ^ (kOnes * '\n')) | zeroBytes(w ^ (kOnes * '\r'));
            if (ends) return from + std::countr_zero(ends) / 8;
        }
    }
    for (; from < to; ++from)
        if (*from == '\n' || *from == '\r') return from;
    return to;
}

}  // namespace

bool GedcomLineSource::Open(const std::filesystem::path& file) {
    std::error_code error;
    // A folder opens for reading here but yields no bytes, which would pass
    // for an empty file.
    folder_ = std::filesystem::is_directory(file, error);
    realigned_.clear();
    nextRealigned_ = 0;
    oddEnd_ = false;
    damage_ = LineDamage::None;
    if (folder_) {
        file_.reset();
        return false;
    }
    file_.reset(std::fopen(file.c_str(), "rb"));
    if (!file_) return false;
    // Small files get a small buffer; big ones are read a block at a time.
    std::uintmax_t size = std::filesystem::file_size(file, error);
    std::size_t initial =
        error ? kBlockSize
              : static_cast<std::size_t>(std::min<std::uintmax_t>(size + 1, kBlockSize));
    buffer_.assign(std::max<std::size_t>(initial, 64), '\0');
    fileSize_ = error ? 0 : size;
    bytesRead_ = 0;
    offset_ = 0;
    pauseAt_ = UINTMAX_MAX;
    pos_ = end_ = 0;
    atFileEnd_ = readFailed_ = false;
    Fill();
    EncodingMark mark =
        DetectByteEncoding(std::string_view(buffer_.data(), std::min<std::size_t>(end_, 4)));
    encoding_ = mark.encoding;
    pos_ = mark.markLength;
    if (encoding_ == ByteEncoding::Utf16LE || encoding_ == ByteEncoding::Utf16BE) {
        // UTF-16 files are rare and small: transcode the whole file at once.
        std::string bytes(buffer_.data() + pos_, end_ - pos_);
        char block[1 << 16];
        while (!atFileEnd_) {
            std::size_t n = std::fread(block, 1, sizeof block, file_.get());
            bytes.append(block, n);
            if (n < sizeof block) {
                atFileEnd_ = true;
                readFailed_ = std::ferror(file_.get()) != 0;
            }
        }
        Utf16Text text = TranscodeUtf16(bytes, encoding_ == ByteEncoding::Utf16BE);
        buffer_ = std::move(text.text);
        realigned_ = std::move(text.realigned);
        oddEnd_ = text.oddEnd;
        pos_ = 0;
        end_ = buffer_.size();
    }
    empty_ = end_ == pos_ && atFileEnd_;
    return true;
}

int GedcomLineSource::PercentRead() const {
    // UTF-16 files are transcoded whole: the buffer is the file.
    if (encoding_ == ByteEncoding::Utf16LE || encoding_ == ByteEncoding::Utf16BE)
        return end_ == 0 ? 100 : static_cast<int>(pos_ * 100 / end_);
    if (fileSize_ == 0) return -1;
    const std::uintmax_t consumed = bytesRead_ - (end_ - pos_);
    return static_cast<int>(std::min<std::uintmax_t>(100, consumed * 100 / fileSize_));
}

bool GedcomLineSource::Fill() {
    if (atFileEnd_ || !file_) return false;
    // Keep the unread tail and make room behind it.
    std::size_t tail = end_ - pos_;
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, tail);
        pos_ = 0;
        end_ = tail;
    }
    if (buffer_.size() - end_ < buffer_.size() / 2) buffer_.resize(buffer_.size() * 2);
    std::size_t wanted = buffer_.size() - end_;
    const std::uintmax_t at = offset_ + bytesRead_;
    if (at >= pauseAt_) {
        pauseAt_ = UINTMAX_MAX;
        if (stopAtPause_(std::string_view(buffer_.data(), end_))) {
            atFileEnd_ = true;
            return false;
        }
    } else if (pauseAt_ - at < wanted) {
        wanted = static_cast<std::size_t>(pauseAt_ - at);
    }
    std::size_t n = std::fread(buffer_.data() + end_, 1, wanted, file_.get());
    end_ += n;
    bytesRead_ += n;
    if (n < wanted) {
        readFailed_ = std::ferror(file_.get()) != 0;
        atFileEnd_ = true;
    }
    return n > 0;
}

bool GedcomLineSource::PauseAt(std::uintmax_t offset, std::function<bool(std::string_view)> stop) {
    if (!file_ || encoding_ == ByteEncoding::Utf16LE || encoding_ == ByteEncoding::Utf16BE)
        return false;
    // Bytes past the pause that are already in the buffer go back to the file.
    const std::uintmax_t bufferStart = offset_ + bytesRead_ - end_;
    if (offset < bufferStart + pos_) return false;
    if (offset < offset_ + bytesRead_) {
        if (std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0) return false;
        const auto excess = static_cast<std::size_t>(offset_ + bytesRead_ - offset);
        end_ -= excess;
        bytesRead_ -= excess;
        atFileEnd_ = false;
    }
    pauseAt_ = offset;
    stopAtPause_ = std::move(stop);
    return true;
}

bool GedcomLineSource::OpenAt(const std::filesystem::path& file, std::uintmax_t offset) {
    folder_ = false;
    realigned_.clear();
    nextRealigned_ = 0;
    oddEnd_ = false;
    damage_ = LineDamage::None;
    encoding_ = ByteEncoding::EightBit;
    file_.reset(std::fopen(file.c_str(), "rb"));
    if (!file_ || std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0) {
        file_.reset();
        return false;
    }
    buffer_.assign(kBlockSize, '\0');
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    fileSize_ = error ? 0 : size;
    offset_ = offset;
    bytesRead_ = 0;
    pos_ = end_ = 0;
    atFileEnd_ = readFailed_ = false;
    Fill();
    empty_ = end_ == 0 && atFileEnd_;
    return true;
}

// UTF-16 files are held whole, so offsets into the buffer stay put.
void GedcomLineSource::NoteDamage(std::size_t lineStart, std::size_t lineEnd, bool lastLine) {
    damage_ = LineDamage::None;
    while (nextRealigned_ < realigned_.size() && realigned_[nextRealigned_] <= lineEnd) {
        if (realigned_[nextRealigned_] >= lineStart) damage_ = LineDamage::RestOfLine;
        ++nextRealigned_;
    }
    if (lastLine && oddEnd_) damage_ = LineDamage::RestOfFile;
}

bool GedcomLineSource::Next(std::string_view& line) {
    damage_ = LineDamage::None;
    for (;;) {
        const char* base = buffer_.data();
        const char* begin = base + pos_;
        const char* stop = base + end_;
        const char* p = FindLineEnd(begin, stop);
        // A line end found, and its second byte (if any) is in the buffer too.
        if (p + 1 < stop || (p < stop && atFileEnd_)) {
            line = std::string_view(begin, static_cast<std::size_t>(p - begin));
            char first = *p++;
            char pair = first == '\r' ? '\n' : '\r';
            if (!realigned_.empty() || oddEnd_)
                NoteDamage(pos_, static_cast<std::size_t>(line.data() + line.size() - base), false);
            if (p < stop && *p == pair) ++p;
            pos_ = static_cast<std::size_t>(p - base);
            return true;
        }
        if (atFileEnd_) {
            if (begin == stop || readFailed_) return false;
            line = std::string_view(begin, static_cast<std::size_t>(stop - begin));
            if (!realigned_.empty() || oddEnd_) NoteDamage(pos_, end_, true);
            pos_ = end_;
            return true;
        }
        Fill();
    }
}

}  // namespace lg
