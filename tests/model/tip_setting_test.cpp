#include <gtest/gtest.h>

#include "memory_settings.h"
#include "tip_setting.h"

namespace {

const std::pair<std::string, std::string> kStartup{"Kaldo 3.0", "Mostrar Inicio"};
const std::pair<std::string, std::string> kRequest{"Kaldo 3.1", "Mostrar Inicio"};

// The setting over a store in memory, empty at first.
struct TipSettingTest : ::testing::Test {
    MemorySettings store;
    TipSetting setting{store};
};

}  // namespace

TEST_F(TipSettingTest, OnlyTheExactValueNoSwitchesTheTipOff) {
    EXPECT_TRUE(setting.ShowAtStartup()) << "first run: nothing stored";
    for (const char* value : {"no", "No", "nO", "NO ", " NO", "", "SI"}) {
        store.values[kStartup] = value;
        EXPECT_TRUE(setting.ShowAtStartup()) << '"' << value << '"';
    }
    store.values[kStartup] = "NO";
    EXPECT_FALSE(setting.ShowAtStartup());
    store.values.erase(kStartup);
    store.values[{"Kaldo 3.0", "Otro valor"}] = "NO";
    EXPECT_TRUE(setting.ShowAtStartup()) << "another value name of the same key";
}

TEST_F(TipSettingTest, EveryChangeOfTheBoxWritesNo) {
    store.values[kStartup] = "No";
    setting.BoxChanged();
    EXPECT_EQ(store.values.at(kStartup), "NO");
    EXPECT_FALSE(setting.ShowAtStartup());
    setting.BoxChanged();  // unticked again: still off
    EXPECT_EQ(store.values.at(kStartup), "NO");
    EXPECT_EQ(store.values.size(), 1u);
}

TEST_F(TipSettingTest, AskingForTheTipWritesSiUnderTheOtherKeyOnly) {
    store.values[kStartup] = "NO";
    setting.TipRequested();
    EXPECT_EQ(store.values.at(kRequest), "SI");
    EXPECT_EQ(store.values.at(kStartup), "NO");
    EXPECT_FALSE(setting.ShowAtStartup()) << "the value under the second key is never read";
}

TEST_F(TipSettingTest, AStoreThatRefusesWritesKeepsShowingTheTip) {
    store.refuseWrites = true;
    setting.BoxChanged();
    setting.TipRequested();
    EXPECT_TRUE(store.values.empty());
    EXPECT_TRUE(setting.ShowAtStartup());
}
