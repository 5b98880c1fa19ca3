// SPDX-License-Identifier: MIT
#include "device/reply_ledger.h"

namespace vq72 {

void ReplyLedger::written(Command command) {
    if (debts_.size() == kMostOwed) dropOldest();
    debts_.push_back(
        {command, now_ + (command == Command::Poll ? kPollDeadlineTicks : kDeadlineTicks)});
    if (command == Command::Text) {
        ++textsOwed_;
        lastTextDue_ = now_ + kDeadlineTicks;
    }
}

ReplyLedger::Payment ReplyLedger::paid() {
    if (debts_.empty()) return Payment::Unowed;
    return dropOldest() ? Payment::TextConfirmed : Payment::Paid;
}

bool ReplyLedger::tick(bool batchArriving) {
    ++now_;
    if (batchArriving) return false;
    bool lastTextGivenUp = false;
    while (!debts_.empty() && debts_.front().due <= now_) lastTextGivenUp |= dropOldest();
    return lastTextGivenUp;
}

void ReplyLedger::forget() {
    debts_.clear();
    textsOwed_ = 0;
}

bool ReplyLedger::dropOldest() {
    const bool text = debts_.front().command == Command::Text;
    debts_.pop_front();
    if (!text) return false;
    --textsOwed_;
    return textsOwed_ == 0;
}

}  // namespace vq72
