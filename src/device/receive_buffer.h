// SPDX-License-Identifier: MIT
// The reply reader's receive buffer RxBuffer. It keeps only what the batch rules can use, the
// first three characters and the last 100, plus the true length, so input without pause
// cannot grow memory while every rule decides as it would on the whole text. The lines cut off
// the front of a long batch are not interpreted, but their acknowledgements are counted: each
// pays for a command written.
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
        // Lines wholly in the characters cut off the front that acknowledge (hold the
        // acknowledgement token and not the banner's).
        int cutAcknowledgements = 0;
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
    // Reads the characters cut off the front, line by line, for acknowledgements.
    class CutLines {
    public:
        void feed(const std::string& characters);
        int acknowledgements() const { return acknowledgements_; }
        // The line the cut runs through, whose end is the first line of the kept text: one
        // more when the whole line acknowledges and its kept end alone does not.
        int acknowledgementsThrough(const std::string& kept) const;

    private:
        bool lineStarted_ = false;  // a line began in the cut and has not ended there
        std::string recent_;        // the last characters of the line, enough to hold a token
        bool acknowledges_ = false;
        bool banner_ = false;
        int acknowledgements_ = 0;
    };

    void cut(std::size_t count);

    std::string head_;
    std::string tail_;
    std::size_t length_ = 0;
    CutLines cutLines_;
};

}  // namespace vq72
