#pragma once
// Raw lines of a GEDCOM file, whatever its line ends and byte encoding.
// UTF-16 files are transcoded to UTF-8 and a byte-order mark is dropped, so
// the reader above always sees 8-bit lines.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/charset.h"

namespace lg {

// What became of the line Next gave last, in a UTF-16 file whose bytes
// lost their pairing: a byte too many or too few turned the rest of the
// line into unrelated characters; when the file ends before a line end
// mends the pairing, the rest of the file is lost with it.
enum class LineDamage { None, RestOfLine, RestOfFile };

class GedcomLineSource {
  public:
    GedcomLineSource() = default;
    GedcomLineSource(const GedcomLineSource&) = delete;
    GedcomLineSource& operator=(const GedcomLineSource&) = delete;

    // Opens the file and looks at its first bytes. False when it can't be
    // opened, or is a folder (IsFolder).
    bool Open(const std::filesystem::path& file);
    // Opens the file for its lines from byte `offset` on, which must start
    // a line; the bytes there are taken as 8-bit, without a byte-order mark.
    bool OpenAt(const std::filesystem::path& file, std::uintmax_t offset);
    // When reading reaches byte `offset` of the file (the start of a line),
    // asks `stop`, with the bytes before it that Next has not handed out
    // yet: true ends the lines there as if the file ended, false reads on.
    // False, and no pause, where that cannot be: in a UTF-16 file, or when
    // the lines handed out reach past the offset.
    bool PauseAt(std::uintmax_t offset, std::function<bool(std::string_view pending)> stop);
    bool IsFolder() const { return folder_; }
    // The next line without its end (CR LF, LF, LF CR or a lone CR). The view
    // stays valid until the next call. False at the end of the file or after
    // a read error.
    bool Next(std::string_view& line);
    bool ReadFailed() const { return readFailed_; }
    LineDamage Damage() const { return damage_; }
    // What the first bytes said: a UTF-8 mark, UTF-16, or plain 8-bit.
    ByteEncoding Encoding() const { return encoding_; }
    // True when the file holds no bytes at all (a lone byte-order mark counts as none).
    bool IsEmpty() const { return empty_; }
    // How much of the file the lines handed out so far cover, 0 to 100; -1
    // when the file's size is unknown.
    int PercentRead() const;

  private:
    bool Fill();
    void NoteDamage(std::size_t lineStart, std::size_t lineEnd, bool lastLine);

    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string buffer_;
    std::size_t pos_ = 0;           // start of the unread part of buffer_
    std::size_t end_ = 0;           // end of the valid bytes in buffer_
    std::uintmax_t fileSize_ = 0;   // 0: unknown
    std::uintmax_t bytesRead_ = 0;  // from the file into buffer_
    std::uintmax_t offset_ = 0;     // where in the file reading started
    std::uintmax_t pauseAt_ = UINTMAX_MAX;
    std::function<bool(std::string_view)> stopAtPause_;
    bool atFileEnd_ = false;
    bool readFailed_ = false;
    bool empty_ = false;
    bool folder_ = false;
    // Offsets in buffer_ where UTF-16 bytes were put back in step, and the
    // first one not yet passed by Next.
    std::vector<std::size_t> realigned_;
    std::size_t nextRealigned_ = 0;
    bool oddEnd_ = false;
    LineDamage damage_ = LineDamage::None;
    ByteEncoding encoding_ = ByteEncoding::EightBit;
};

}  // namespace lg
