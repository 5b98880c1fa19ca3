// SPDX-License-Identifier: MIT
#include "device/receive_buffer.h"

#include <algorithm>
#include <cstring>

#include "device/reply_tokens.h"

namespace vq72 {
namespace {

bool endsWith(const std::string& text, const char* token) {
    const std::size_t size = std::strlen(token);
    return text.size() >= size && text.compare(text.size() - size, size, token) == 0;
}

// As the reply reader judges a line: the banner's token first, then the acknowledgement's.
bool acknowledges(const std::string& line) {
    return line.find(reply_tokens::kBanner) == std::string::npos &&
           line.find(reply_tokens::kAcknowledgement) != std::string::npos;
}

}  // namespace

void ReceiveBuffer::append(char c) {
    if (head_.size() < kKeptHead) head_.push_back(c);
    tail_.push_back(c);
    // Trimming only past twice the kept size keeps appends cheap.
    if (tail_.size() > 2 * kMaxBatch) cut(tail_.size() - kMaxBatch);
    ++length_;
}

ReceiveBuffer::Batch ReceiveBuffer::take() {
    if (tail_.size() > kMaxBatch) cut(tail_.size() - kMaxBatch);
    Batch batch;
    batch.length = length_;
    batch.text = std::move(tail_);
    batch.cutAcknowledgements =
        cutLines_.acknowledgements() + cutLines_.acknowledgementsThrough(batch.text);
    clear();
    return batch;
}

void ReceiveBuffer::clear() {
    head_.clear();
    tail_.clear();
    length_ = 0;
    cutLines_ = CutLines();
}

void ReceiveBuffer::cut(std::size_t count) {
    cutLines_.feed(tail_.substr(0, count));
    tail_.erase(0, count);
}

// A line ends at a carriage return, as the reply reader splits a batch.
void ReceiveBuffer::CutLines::feed(const std::string& characters) {
    const std::size_t longestToken =
        std::max(std::strlen(reply_tokens::kBanner), std::strlen(reply_tokens::kAcknowledgement));
    for (const char c : characters) {
        recent_.push_back(c);
        if (recent_.size() > longestToken) recent_.erase(0, 1);
        acknowledges_ = acknowledges_ || endsWith(recent_, reply_tokens::kAcknowledgement);
        banner_ = banner_ || endsWith(recent_, reply_tokens::kBanner);
        lineStarted_ = c != '\r';
        if (lineStarted_) continue;
        if (acknowledges_ && !banner_) ++acknowledgements_;
        recent_.clear();
        acknowledges_ = banner_ = false;
    }
}

int ReceiveBuffer::CutLines::acknowledgementsThrough(const std::string& kept) const {
    if (!lineStarted_) return 0;
    const std::size_t cr = kept.find('\r');
    const std::string keptEnd = cr == std::string::npos ? kept : kept.substr(0, cr + 1);
    CutLines whole = *this;
    whole.feed(keptEnd);
    const bool wholeAcknowledges =
        whole.acknowledgements_ > acknowledgements_ || (whole.acknowledges_ && !whole.banner_);
    return wholeAcknowledges && !acknowledges(keptEnd) ? 1 : 0;
}

}  // namespace vq72
