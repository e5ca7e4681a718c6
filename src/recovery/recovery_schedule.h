#pragma once

#include <cstdint>
#include <optional>

// When the recovery copy of a document with unsaved changes is written: a few seconds after the
// first change that follows a save (or the opening of the document), then at most once an
// interval, and only when something changed since the last copy. An interval of 0 minutes
// writes no copy at all.
//
//     schedule.Changed(now);              // after every change of the document
//     if (schedule.Due(now)) { write; schedule.Written(now); }
//     schedule.Clean();                   // saved, discarded or closed: start over
class RecoverySchedule {
public:
    static constexpr std::int64_t kFirstDelayMs = 5000;
    static constexpr int kDefaultMinutes = 2;
    static constexpr int kLongestMinutes = 1440;

    explicit RecoverySchedule(int minutes = kDefaultMinutes) { SetInterval(minutes); }

    // Minutes outside 0..kLongestMinutes are taken as the nearest limit.
    void SetInterval(int minutes);
    int IntervalMinutes() const { return minutes_; }

    void Changed(std::int64_t now);
    void Clean();
    bool Due(std::int64_t now) const;
    // A copy was written at `now`: the next one waits for a change and the interval.
    void Written(std::int64_t now);
    // Writing failed at `now` (also when told after Written): tried again an interval later.
    void Failed(std::int64_t now);

private:
    std::int64_t IntervalMs() const { return std::int64_t{minutes_} * 60 * 1000; }

    int minutes_ = kDefaultMinutes;
    bool pending_ = false;                     // changes that no copy holds yet
    std::optional<std::int64_t> lastAttempt_;  // since the document was last clean
    std::optional<std::int64_t> due_;
};
