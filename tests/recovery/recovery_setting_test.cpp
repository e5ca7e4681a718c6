#include <gtest/gtest.h>

#include "memory_settings.h"
#include "recovery_setting.h"

TEST(RecoverySetting, MinutesAreReadBackAndAnythingElseGivesTwo) {
    MemorySettings store;
    EXPECT_EQ(recovery_setting::Minutes(store), 2);
    ASSERT_TRUE(recovery_setting::StoreMinutes(store, 0));
    EXPECT_EQ(recovery_setting::Minutes(store), 0);
    EXPECT_EQ((store.values[{"Kaldo 3.1", "recuperacion/minutos"}]), "0");
    ASSERT_TRUE(recovery_setting::StoreMinutes(store, 15));
    EXPECT_EQ(recovery_setting::Minutes(store), 15);

    for (const char* stored : {"", "x", "5 ", "-1", "2.5"}) {
        store.values[{"Kaldo 3.1", "recuperacion/minutos"}] = stored;
        EXPECT_EQ(recovery_setting::Minutes(store), 2) << stored;
    }
    store.values[{"Kaldo 3.1", "recuperacion/minutos"}] = "99999";
    EXPECT_EQ(recovery_setting::Minutes(store), 1440);
}

TEST(RecoverySetting, AStoreThatRefusesSaysSo) {
    MemorySettings store;
    store.refuseWrites = true;
    EXPECT_FALSE(recovery_setting::StoreMinutes(store, 5));
    EXPECT_EQ(recovery_setting::Minutes(store), 2);
}
