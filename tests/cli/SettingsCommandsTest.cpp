// SPDX-License-Identifier: MIT
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(SettingsCommands, GetSetAndRefusals) {
    test::CliHarness cli;
    EXPECT_EQ(cli.run({"settings", "get", "bolZyw"}).out, "True\n");
    EXPECT_EQ(cli.run({"settings", "set", "bolZyw", "False"}).code, 0);
    EXPECT_EQ(cli.run({"settings", "get", "bolZyw", "--json"}).json(), "False");
    EXPECT_EQ(test::readFile(cli.folder() / "VOLMIRAD.ini"), "[IniSetting]\nbolZyw=False\n");

    for (const char* years : {"1", "17"}) {
        auto refused = cli.run({"settings", "set", "IniSerchDay", years});
        EXPECT_EQ(refused.code, 1);
        EXPECT_NE(refused.err.find("请输入2到16中的自然数"), std::string::npos);
    }
    EXPECT_EQ(cli.run({"settings", "set", "IniSerchDay", "16"}).code, 0);
    EXPECT_EQ(cli.run({"settings", "get", "IniSerchDay"}).out, "16\n");
    EXPECT_EQ(cli.run({"settings", "get", "NoSuchKey"}).code, 2);
    EXPECT_EQ(cli.run({"settings", "set", "SxIni", "3"}).code, 1);

    // A stored text that does not convert reads as the default.
    cli.folder().write("VOLMIRAD.ini", "[IniSetting]\nintLei=zodiac\n");
    EXPECT_EQ(cli.run({"settings", "get", "intLei"}).out, "0\n");
}

} // namespace quorvel
