#include <gtest/gtest.h>

#include "memory_settings.h"
#include "tip_setting.h"

namespace {

const std::pair<std::string, std::string> kStartup{"Kaldo 3.0", "Mostrar Inicio"};
const std::pair<std::string, std::string> kRequest{"Kaldo 3.1", "Mostrar Inicio"};

}  // namespace

TEST(TipSetting, OnlyTheExactValueNoSwitchesTheTipOff) {
    MemorySettings store;
    TipSetting setting(store);
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

TEST(TipSetting, EveryChangeOfTheBoxWritesNo) {
    MemorySettings store;
    TipSetting setting(store);
    store.values[kStartup] = "No";
    setting.BoxChanged();
    EXPECT_EQ(store.values.at(kStartup), "NO");
    EXPECT_FALSE(setting.ShowAtStartup());
    setting.BoxChanged();  // unticked again: still off
    EXPECT_EQ(store.values.at(kStartup), "NO");
    EXPECT_EQ(store.values.size(), 1u);
}

TEST(TipSetting, AskingForTheTipWritesSiUnderTheOtherKeyOnly) {
    MemorySettings store;
    TipSetting setting(store);
    store.values[kStartup] = "NO";
    setting.TipRequested();
    EXPECT_EQ(store.values.at(kRequest), "SI");
    EXPECT_EQ(store.values.at(kStartup), "NO");
    EXPECT_FALSE(setting.ShowAtStartup()) << "the value under the second key is never read";
}

TEST(TipSetting, AStoreThatRefusesWritesKeepsShowingTheTip) {
    MemorySettings store;
    store.refuseWrites = true;
    TipSetting setting(store);
    setting.BoxChanged();
    setting.TipRequested();
    EXPECT_TRUE(store.values.empty());
    EXPECT_TRUE(setting.ShowAtStartup());
}
