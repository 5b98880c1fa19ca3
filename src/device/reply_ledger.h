// SPDX-License-Identifier: MIT
// The replies owed for the commands written to the device. Every command written owes one
// "CT-OK", and the device answers in the order it was asked, so each "CT-OK" pays the oldest debt
// still open. A debt not paid by its deadline is given up. A text is confirmed by the "CT-OK" that
// pays the last text owed; since nothing but texts is written while a text is owed (the presence
// poll waits), no reply to a later command can stand in for a text's.
#pragma once

#include <cstddef>
#include <deque>

namespace vq72 {

class ReplyLedger {
public:
    enum class Command { Poll, Text };
    enum class Payment {
        Unowed,         // nothing was owed
        Paid,           // a debt is paid, and no text is confirmed by it
        TextConfirmed,  // it paid the last text owed
    };

    // 3.5 s in 25 ms ticks: the device's slowest answer (2.5 s) after the last of a burst of
    // texts still queued on a 9600-baud line.
    static constexpr long kDeadlineTicks = 140;
    // One poll period (2.55 s): a poll is never queued behind texts, so its answer has come by
    // then; and the next poll is written only after this is given up (in the same tick), so
    // one lost answer cannot shift every later answer onto the poll before it.
    static constexpr long kPollDeadlineTicks = 102;
    // Beyond this many debts the oldest is given up: a bound, not a limit anyone meets.
    static constexpr std::size_t kMostOwed = 256;

    void written(Command command);
    Payment paid();
    // One tick passes. While a batch is still arriving nothing is given up (its replies count
    // first). Returns true when it gave up the last text owed.
    bool tick(bool batchArriving);
    // The replies owed went with the port.
    void forget();

    bool empty() const { return debts_.empty(); }
    std::size_t owed() const { return debts_.size(); }
    bool textOwed() const { return textsOwed_ > 0; }
    // Ticks until the last text owed is given up; only meaningful while textOwed().
    long ticksUntilTextGivenUp() const { return lastTextDue_ - now_; }

private:
    struct Debt {
        Command command;
        long due;  // the tick on which it is given up
    };
    // Takes the oldest debt off; returns whether it was the last text owed.
    bool dropOldest();

    std::deque<Debt> debts_;
    std::size_t textsOwed_ = 0;
    long now_ = 0;
    long lastTextDue_ = 0;
};

}  // namespace vq72
