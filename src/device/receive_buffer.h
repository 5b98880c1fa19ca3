// The reply reader's receive buffer RxBuffer. It keeps only what the batch rules can use, the
// first three characters and the last 100, plus the true length, so input without pause
// cannot grow memory while every rule decides as it would on the whole text.
#pragma once

#include <cstddef>
#include <string>

namespace vq72 {

class ReceiveBuffer {
public:
    static constexpr std::size_t kKeptHead = 3;
    // A batch longer than this is cut to its last kMaxBatch characters.
    static constexpr std::size_t kMaxBatch = 100;

    struct Batch {
        std::size_t length = 0;  // the number of characters received
        std::string text;        // the last kMaxBatch of them (all when fewer)
    };

    void append(char c);
    bool empty() const { return length_ == 0; }
    std::size_t length() const { return length_; }
    // The first three characters (fewer while fewer arrived).
    const std::string& head() const { return head_; }
    // Hands over the contents as a batch and empties the buffer.
    Batch take();
    void clear();

    // Characters held in memory; never more than kKeptHead + 2 * kMaxBatch.
    std::size_t storedCharacters() const { return head_.size() + tail_.size(); }

private:
    std::string head_;
    std::string tail_;
    std::size_t length_ = 0;
};

}  // namespace vq72
