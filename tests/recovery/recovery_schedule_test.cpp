#include <gtest/gtest.h>

#include "recovery_schedule.h"

namespace {

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kMinute = 60 * kSecond;
constexpr std::int64_t kStart = 1'700'000'000'000;

}  // namespace

TEST(RecoverySchedule, TheFirstChangeAfterASaveIsCopiedFiveSecondsLater) {
    RecoverySchedule schedule(2);
    EXPECT_FALSE(schedule.Due(kStart + 10 * kMinute));  // nothing changed
    schedule.Changed(kStart);
    schedule.Changed(kStart + 3 * kSecond);  // a later change does not put the copy off
    EXPECT_FALSE(schedule.Due(kStart + 4999));
    EXPECT_TRUE(schedule.Due(kStart + 5 * kSecond));
}

TEST(RecoverySchedule, LaterCopiesWaitForTheIntervalAndForAChange) {
    RecoverySchedule schedule(2);
    schedule.Changed(kStart);
    schedule.Written(kStart + 5 * kSecond);
    EXPECT_FALSE(schedule.Due(kStart + 5 * kMinute));  // no change since the copy
    schedule.Changed(kStart + 10 * kSecond);
    EXPECT_FALSE(schedule.Due(kStart + 2 * kMinute));
    EXPECT_TRUE(schedule.Due(kStart + 5 * kSecond + 2 * kMinute));
    // A change long after the last copy is copied at once.
    schedule.Written(kStart + 3 * kMinute);
    schedule.Changed(kStart + 30 * kMinute);
    EXPECT_TRUE(schedule.Due(kStart + 30 * kMinute));
}

TEST(RecoverySchedule, ASaveStartsOverWithTheShortDelay) {
    RecoverySchedule schedule(2);
    schedule.Changed(kStart);
    schedule.Written(kStart + 5 * kSecond);
    schedule.Changed(kStart + 6 * kSecond);
    schedule.Clean();
    EXPECT_FALSE(schedule.Due(kStart + 10 * kMinute));
    schedule.Changed(kStart + 10 * kMinute);
    EXPECT_TRUE(schedule.Due(kStart + 10 * kMinute + 5 * kSecond));
}

TEST(RecoverySchedule, AFailedCopyIsTriedAgainAtTheNextInterval) {
    RecoverySchedule schedule(3);
    schedule.Changed(kStart);
    schedule.Written(kStart + 5 * kSecond);  // the writer tells of the failure later
    schedule.Failed(kStart + 5 * kSecond);
    EXPECT_FALSE(schedule.Due(kStart + 5 * kSecond + 3 * kMinute - 1));
    EXPECT_TRUE(schedule.Due(kStart + 5 * kSecond + 3 * kMinute));
}

TEST(RecoverySchedule, ZeroMinutesWritesNoCopyAndOutOfRangeIntervalsAreClamped) {
    RecoverySchedule schedule(0);
    schedule.Changed(kStart);
    EXPECT_FALSE(schedule.Due(kStart + 24 * 60 * kMinute));
    schedule.SetInterval(1);  // switched on again: what is pending is copied
    EXPECT_TRUE(schedule.Due(kStart + 5 * kSecond));

    schedule.SetInterval(-4);
    EXPECT_EQ(schedule.IntervalMinutes(), 0);
    schedule.SetInterval(100000);
    EXPECT_EQ(schedule.IntervalMinutes(), 1440);
}

TEST(RecoverySchedule, ShorteningTheIntervalBringsThePendingCopyForward) {
    RecoverySchedule schedule(10);
    schedule.Changed(kStart);
    schedule.Written(kStart);
    schedule.Changed(kStart + kMinute);
    EXPECT_FALSE(schedule.Due(kStart + 2 * kMinute));
    schedule.SetInterval(1);
    EXPECT_TRUE(schedule.Due(kStart + 2 * kMinute));
}
