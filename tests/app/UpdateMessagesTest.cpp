// SPDX-License-Identifier: MIT
#include "app/history/UpdateMessages.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(UpdateMessages, TheConfirmationSaysWhenTheHistoryWillBeCleared) {
    EXPECT_EQ(english(updateConfirmation(planUpdate(2013001, 2014100, 2014, 6))), kUpdateQuestion);
    EXPECT_EQ(english(updateConfirmation(planUpdate(2007001, 2014100, 2014, 6))),
              std::string(kUpdateQuestion) +
                  "\n现有历史号码的第一期早于保留的6年：读到网页后将先清空现有历史（另存到备份文件夹），只保留2008年至"
                  "2014年的历史号码。");
}

} // namespace quorvel
