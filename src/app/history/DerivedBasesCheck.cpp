// SPDX-License-Identifier: MIT
#include "app/history/DerivedBasesCheck.h"

#include <array>
#include <vector>

namespace quorvel {

namespace {

struct BaseKind {
    int ParameterBases::*base;
    const char* name;  // "zodiac base %1"
    const char* shown; // what a wrong base spoils
    const char* key;   // the setting
};

constexpr std::array<BaseKind, 3> kKinds{{
    {&ParameterBases::zodiac, QT_TRANSLATE_NOOP("Core", "zodiac base %1"), QT_TRANSLATE_NOOP("Core", "zodiac names"),
     "SxIni"},
    {&ParameterBases::segment, QT_TRANSLATE_NOOP("Core", "segment base %1"), QT_TRANSLATE_NOOP("Core", "segment codes"),
     "DsIni"},
    {&ParameterBases::colour, QT_TRANSLATE_NOOP("Core", "colour base %1"), QT_TRANSLATE_NOOP("Core", "colour names"),
     "BsIni"},
}};

std::vector<BaseKind> differing(const ParameterBases& a, const ParameterBases& b) {
    std::vector<BaseKind> kinds;
    for (const BaseKind& kind : kKinds)
        if (a.*kind.base != b.*kind.base) kinds.push_back(kind);
    return kinds;
}

// One to three items as a sentence lists them: "a", "a and b", "a, b and c".
Message listed(const std::vector<Message>& items) {
    if (items.size() == 1) return items[0];
    if (items.size() == 2) return Message::core(QT_TRANSLATE_NOOP("Core", "%1 and %2"), items[0], items[1]);
    return Message::core(QT_TRANSLATE_NOOP("Core", "%1, %2 and %3"), items[0], items[1], items[2]);
}

// "zodiac base 1 and colour base 1"
Message listed(const std::vector<BaseKind>& kinds, const ParameterBases& bases) {
    std::vector<Message> items;
    for (const BaseKind& kind : kinds)
        items.push_back(Message::core(kind.name, bases.*kind.base));
    return listed(items);
}

// The settings commands that give these kinds these bases, separated by "; ".
std::string settingCommands(const std::vector<BaseKind>& kinds, const ParameterBases& bases) {
    std::string text;
    for (const BaseKind& kind : kinds)
        text += std::string(text.empty() ? "" : "; ") + "quorvel-cli settings set " + kind.key + " " +
                std::to_string(bases.*kind.base);
    return text;
}

} // namespace

std::optional<BasesMismatch> basesMismatch(const ParameterBases& stored, const ParameterBases& settings,
                                           bool historyEmpty) {
    if (historyEmpty || stored == settings) return std::nullopt;
    return BasesMismatch{stored, settings};
}

Message basesMismatchWarning(const BasesMismatch& mismatch) {
    const std::vector<BaseKind> kinds = differing(mismatch.stored, mismatch.settings);
    std::vector<Message> spoilt;
    for (const BaseKind& kind : kinds)
        spoilt.push_back(Message::core(kind.shown));
    return Message::core(QT_TRANSLATE_NOOP("Core", "the stored draws were derived with %1, but the settings say %2, so "
                                                   "the %3 shown for them are wrong; derive them again with the "
                                                   "settings' bases: quorvel-cli rebuild (a safety copy is saved "
                                                   "first), or set the settings back: %4"),
                         listed(kinds, mismatch.stored), listed(kinds, mismatch.settings), listed(spoilt),
                         settingCommands(kinds, mismatch.stored));
}

Message runBasesRefusal(const ParameterBases& stored, const ParameterBases& run, const ParameterBases& settings) {
    const std::vector<BaseKind> kinds = differing(stored, run);
    const std::vector<BaseKind> toChange = differing(settings, run);
    const Message head = Message::core(QT_TRANSLATE_NOOP("Core", "the bases given for this run (%1) differ from those "
                                                                 "the stored draws were derived with (%2), and rows "
                                                                 "derived with them would not match the stored ones; "
                                                                 "nothing was changed"),
                                       listed(kinds, run), listed(kinds, stored));
    if (toChange.empty())
        return Message::core(QT_TRANSLATE_NOOP("Core", "%1; to use these bases, which the settings already hold, "
                                                       "derive the stored draws again (quorvel-cli rebuild), then run "
                                                       "without the base options"),
                             head);
    return Message::core(QT_TRANSLATE_NOOP("Core", "%1; to use these bases, change the setting instead (%2) and derive "
                                                   "the stored draws again (quorvel-cli rebuild), then run without "
                                                   "the base options"),
                         head, settingCommands(toChange, run));
}

} // namespace quorvel
