#include "recovery_schedule.h"

#include <algorithm>

void RecoverySchedule::SetInterval(int minutes) {
    minutes_ = std::clamp(minutes, 0, kLongestMinutes);
    // A due time set under the old interval would keep it for one more copy.
    if (due_ && lastAttempt_) due_ = *lastAttempt_ + IntervalMs();
}

void RecoverySchedule::Changed(std::int64_t now) {
    pending_ = true;
    if (due_) return;
    due_ = lastAttempt_ ? std::max(*lastAttempt_ + IntervalMs(), now) : now + kFirstDelayMs;
}

void RecoverySchedule::Clean() {
    pending_ = false;
    lastAttempt_.reset();
    due_.reset();
}

bool RecoverySchedule::Due(std::int64_t now) const {
    return minutes_ > 0 && pending_ && due_ && now >= *due_;
}

void RecoverySchedule::Written(std::int64_t now) {
    pending_ = false;
    lastAttempt_ = now;
    due_.reset();
}

void RecoverySchedule::Failed(std::int64_t now) {
    pending_ = true;  // the failure may be heard of after Written
    lastAttempt_ = now;
    due_ = now + IntervalMs();
}
