// SPDX-License-Identifier: MIT
#include "app/settings/Settings.h"

#include "model/Error.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(Settings, DefaultsOnFirstStart) {
    MemorySettingsStore store;
    Settings settings(store);
    EXPECT_TRUE(settings.boolean(Setting::bolZyw));
    EXPECT_EQ(settings.integer(Setting::intLei), 0);
    EXPECT_EQ(settings.integer(Setting::intIdfTm), 1);
    EXPECT_TRUE(settings.boolean(Setting::bolLdm));
    EXPECT_FALSE(settings.boolean(Setting::bolZhpm));
    EXPECT_EQ(settings.integer(Setting::intZhWSetup), 2);
    EXPECT_EQ(settings.integer(Setting::IniSerchDay), 6);
    EXPECT_EQ(settings.bases(), (ParameterBases{1, 1, 1}));
    EXPECT_EQ(settings.text(Setting::txtUpdateSite), "");
}

TEST(Settings, StoredTextsThatDoNotConvertFallBackToTheDefault) {
    MemorySettingsStore store;
    store.write("bolZyw", "False");
    store.write("intLei", "6");
    store.write("SxIni", "0");
    store.write("bolLdm", "maybe");
    store.write("IniSerchDay", "40");
    store.write("DsIni", "one");
    Settings settings(store);
    EXPECT_FALSE(settings.boolean(Setting::bolZyw));
    EXPECT_EQ(settings.integer(Setting::intLei), 6);
    EXPECT_TRUE(settings.boolean(Setting::bolLdm));
    EXPECT_EQ(settings.integer(Setting::IniSerchDay), 6);
    EXPECT_EQ(settings.bases(), (ParameterBases{0, 1, 1}));
}

TEST(Settings, SetRefusesValuesOutsideTheKeysRange) {
    MemorySettingsStore store;
    Settings settings(store);
    const std::string yearsMessage =
        "为了保证时效性和提高计算效率，软件只能统计16年以内的数据，请输入2到16中的自然数。";
    for (const char* refused : {"1", "17", "abc", ""}) {
        try {
            settings.set(Setting::IniSerchDay, refused);
            ADD_FAILURE() << refused;
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), yearsMessage);
        }
    }
    settings.set(Setting::IniSerchDay, "16");
    EXPECT_EQ(store.read("IniSerchDay"), "16");
    EXPECT_THROW(settings.set(Setting::SxIni, "2"), Error);
    EXPECT_THROW(settings.set(Setting::bolZyw, "yes"), Error);
    settings.set(Setting::bolZyw, "False");
    EXPECT_EQ(store.read("bolZyw"), "False");
}

} // namespace quorvel
