// SPDX-License-Identifier: MIT
#include "app/DerivedBasesCheck.h"

#include <array>
#include <vector>

namespace quorvel {

namespace {

struct BaseKind {
    int ParameterBases::*base;
    const char* name;  // "zodiac"
    const char* shown; // what a wrong base spoils
    const char* key;   // the setting
};

constexpr std::array<BaseKind, 3> kKinds{{
    {&ParameterBases::zodiac, "zodiac", "zodiac names", "SxIni"},
    {&ParameterBases::segment, "segment", "segment codes", "DsIni"},
    {&ParameterBases::colour, "colour", "colour names", "BsIni"},
}};

std::vector<BaseKind> differing(const ParameterBases& a, const ParameterBases& b) {
    std::vector<BaseKind> kinds;
    for (const BaseKind& kind : kKinds)
        if (a.*kind.base != b.*kind.base) kinds.push_back(kind);
    return kinds;
}

// "zodiac base 1 and colour base 1"
std::string listed(const std::vector<BaseKind>& kinds, const ParameterBases& bases) {
    std::string text;
    for (std::size_t i = 0; i < kinds.size(); ++i)
        text += std::string(i == 0                  ? ""
                            : i + 1 == kinds.size() ? " and "
                                                    : ", ") +
                kinds[i].name + " base " + std::to_string(bases.*kinds[i].base);
    return text;
}

} // namespace

std::optional<BasesMismatch> basesMismatch(const ParameterBases& stored, const ParameterBases& settings,
                                           bool historyEmpty) {
    if (historyEmpty || stored == settings) return std::nullopt;
    return BasesMismatch{stored, settings};
}

std::string basesMismatchWarning(const BasesMismatch& mismatch) {
    const std::vector<BaseKind> kinds = differing(mismatch.stored, mismatch.settings);
    std::string spoilt;
    std::string setBack;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        spoilt += std::string(i == 0 ? "" : i + 1 == kinds.size() ? " and " : ", ") + kinds[i].shown;
        setBack += std::string(i == 0 ? "" : "; ") + "quorvel-cli settings set " + kinds[i].key + " " +
                   std::to_string(mismatch.stored.*kinds[i].base);
    }
    return "the stored draws were derived with " + listed(kinds, mismatch.stored) + ", but the settings say " +
           listed(kinds, mismatch.settings) + ", so the " + spoilt +
           " shown for them are wrong; derive them again with the settings' bases: quorvel-cli rebuild (a safety "
           "copy is saved first), or set the settings back: " +
           setBack;
}

std::string runBasesRefusal(const ParameterBases& stored, const ParameterBases& run, const ParameterBases& settings) {
    const std::vector<BaseKind> kinds = differing(stored, run);
    std::string change;
    for (const BaseKind& kind : differing(settings, run))
        change += std::string(change.empty() ? "" : "; ") + "quorvel-cli settings set " + kind.key + " " +
                  std::to_string(run.*kind.base);
    return "the bases given for this run (" + listed(kinds, run) + ") differ from those the stored draws were " +
           "derived with (" + listed(kinds, stored) + "), and rows derived with them would not match the stored " +
           "ones; nothing was changed; to use these bases, " +
           (change.empty() ? std::string("which the settings already hold, ")
                           : "change the setting instead (" + change + ") and ") +
           "derive the stored draws again (quorvel-cli rebuild), then run without the base options";
}

} // namespace quorvel
