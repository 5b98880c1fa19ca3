#include "device/receive_buffer.h"

namespace vq72 {

void ReceiveBuffer::append(char c) {
    if (head_.size() < kKeptHead) head_.push_back(c);
    tail_.push_back(c);
    // Trimming only past twice the kept size keeps appends cheap.
    if (tail_.size() > 2 * kMaxBatch) tail_.erase(0, tail_.size() - kMaxBatch);
    ++length_;
}

ReceiveBuffer::Batch ReceiveBuffer::take() {
    Batch batch;
    batch.length = length_;
    const std::size_t keep = tail_.size() < kMaxBatch ? tail_.size() : kMaxBatch;
    batch.text = tail_.substr(tail_.size() - keep);
    clear();
    return batch;
}

void ReceiveBuffer::clear() {
    head_.clear();
    tail_.clear();
    length_ = 0;
}

}  // namespace vq72
