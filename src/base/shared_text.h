#pragma once
// An immutable text that copies by sharing: for record fields that are empty
// in most records (an alias, a note) or repeat across many of them (a place).
// It is half the size of a std::string and holds nothing while empty, and
// equal texts can share one copy (TextPool), so that a million records do not
// carry a million copies of the same few hundred places.

#include <atomic>
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace lg {

class SharedText {
  public:
    SharedText() = default;
    // Implicit, so that a field reads and is assigned like a std::string.
    SharedText(std::string_view text) { Assign(std::string(text)); }
    SharedText(const std::string& text) { Assign(std::string(text)); }
    SharedText(std::string&& text) { Assign(std::move(text)); }
    SharedText(const char* text) { Assign(std::string(text)); }
    SharedText(const SharedText& other) : block_(other.block_) {
        if (block_) block_->uses.fetch_add(1, std::memory_order_relaxed);
    }
    SharedText(SharedText&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    SharedText& operator=(SharedText other) noexcept {
        std::swap(block_, other.block_);
        return *this;
    }
    ~SharedText() { Release(); }

    const std::string& str() const { return block_ ? block_->text : Empty(); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }

    bool empty() const { return !block_; }
    std::size_t size() const { return str().size(); }
    const char* c_str() const { return str().c_str(); }
    char operator[](std::size_t i) const { return str()[i]; }
    std::size_t find(std::string_view what, std::size_t from = 0) const {
        return str().find(what, from);
    }
    std::size_t find(char what, std::size_t from = 0) const { return str().find(what, from); }
    void clear() {
        Release();
        block_ = nullptr;
    }
    // A new text; others sharing the old one keep it.
    SharedText& operator+=(std::string_view more) {
        *this = SharedText(str() + std::string(more));
        return *this;
    }

    friend bool operator==(const SharedText& a, const SharedText& b) {
        return a.block_ == b.block_ || a.str() == b.str();
    }
    friend bool operator==(const SharedText& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const SharedText& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const SharedText& a, const char* b) { return a.str() == b; }
    friend std::string operator+(const SharedText& a, std::string_view b) {
        return a.str() + std::string(b);
    }
    friend std::string operator+(std::string_view a, const SharedText& b) {
        return std::string(a) + b.str();
    }
    friend std::ostream& operator<<(std::ostream& out, const SharedText& text) {
        return out << text.str();
    }

  private:
    // The text with the count of the SharedTexts that hold it: one pointer
    // per field instead of a shared_ptr's two.
    struct Block {
        explicit Block(std::string&& t) : text(std::move(t)) {}
        const std::string text;
        std::atomic<std::size_t> uses{1};
    };

    void Assign(std::string&& text) {
        // Empty texts are always null, so that empty() needs no look behind.
        if (!text.empty()) block_ = std::make_unique<Block>(std::move(text)).release();
    }
    void Release() {
        if (block_ && block_->uses.fetch_sub(1, std::memory_order_acq_rel) == 1)
            std::unique_ptr<Block> last(block_);  // the last holder frees it
    }
    static const std::string& Empty() {
        static const std::string none;
        return none;
    }

    Block* block_ = nullptr;
};

// Hands out one shared copy per distinct text. Meant to live while a file is
// read; the texts stay valid after it is gone. Past `limit` distinct texts it
// stops remembering new ones (a file whose places are all different would
// only fill it), and they are then copied each time.
class TextPool {
  public:
    explicit TextPool(std::size_t limit = 1 << 16) : limit_(limit) {}
    SharedText Get(std::string_view text) {
        if (text.empty()) return {};
        auto found = texts_.find(text);
        if (found != texts_.end()) return found->second;
        SharedText shared(text);
        // The key views the pooled copy, which never moves.
        if (texts_.size() < limit_) texts_.emplace(std::string_view(shared.str()), shared);
        return shared;
    }

  private:
    std::unordered_map<std::string_view, SharedText> texts_;
    std::size_t limit_;
};

}  // namespace lg
