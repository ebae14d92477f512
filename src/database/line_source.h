#pragma once
// Raw lines of a GEDCOM file, whatever its line ends and byte encoding.
// UTF-16 files are transcoded to UTF-8 and a byte-order mark is dropped, so
// the reader above always sees 8-bit lines.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "database/charset.h"

namespace lg {

class GedcomLineSource {
  public:
    GedcomLineSource() = default;
    GedcomLineSource(const GedcomLineSource&) = delete;
    GedcomLineSource& operator=(const GedcomLineSource&) = delete;

    // Opens the file and looks at its first bytes. False when it can't be opened.
    bool Open(const std::filesystem::path& file);
    // The next line without its end (CR LF, LF, LF CR or a lone CR). The view
    // stays valid until the next call. False at the end of the file or after
    // a read error.
    bool Next(std::string_view& line);
    bool ReadFailed() const { return readFailed_; }
    // What the first bytes said: a UTF-8 mark, UTF-16, or plain 8-bit.
    ByteEncoding Encoding() const { return encoding_; }
    // True when the file holds no bytes at all (a lone byte-order mark counts as none).
    bool IsEmpty() const { return empty_; }

  private:
    bool Fill();

    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string buffer_;
    std::size_t pos_ = 0;     // start of the unread part of buffer_
    std::size_t end_ = 0;     // end of the valid bytes in buffer_
    std::size_t nextLf_ = 0;  // the first LF at or after pos_, or end_ when none
    bool lfKnown_ = false;
    bool atFileEnd_ = false;
    bool readFailed_ = false;
    bool empty_ = false;
    ByteEncoding encoding_ = ByteEncoding::EightBit;
};

}  // namespace lg
