// SPDX-License-Identifier: MIT
#include "model/Message.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(Message, FillsItsArgumentsInOrderAndRendersNestedMessagesInTheSameLanguage) {
    struct Case {
        Message message;
        const char* english;
    };
    const Case cases[] = {
        {Message::core("issue %1 is already stored: draw %2", 2013017, 5), "issue 2013017 is already stored: draw 5"},
        {Message::core("%2 before %1", "a", "b"), "b before a"},
        {Message::core("%1 and %1 again", 7), "7 and 7 again"},
        // An argument's own placeholder stays as typed; a placeholder without an argument stays as written.
        {Message::core("line %1: %2", 3, "50%2 off"), "line 3: 50%2 off"},
        {Message::core("%1 of %3", 1), "1 of %3"},
        {Message::core("%1 failed: %2", Message::core("adding the draw"), Message::verbatim("disk full")),
         "adding the draw failed: disk full"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.message.english(), c.english);

    // A translation replaces each template of a context, the nested ones too; verbatim texts never change.
    const Message::Translate shout = [](const std::string& context, const std::string& text) {
        return context == Message::kCoreContext ? "<" + text + ">" : text;
    };
    EXPECT_EQ(cases[5].message.rendered(shout), "<<adding the draw> failed: disk full>");
    EXPECT_EQ(rendered(Messages{Message::core("a"), Message::verbatim("b")}, shout), "<a>\nb");
}

} // namespace quorvel
