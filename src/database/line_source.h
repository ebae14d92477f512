#pragma once
// Raw lines of a GEDCOM file, whatever its line ends and byte encoding.
// UTF-16 files are transcoded to UTF-8 and a byte-order mark is dropped, so
// the reader above always sees 8-bit lines.

#include <cstdio>
#include <filesystem>
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
