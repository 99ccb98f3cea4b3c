// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/Selection.h"
#include "model/ParameterBases.h"
#include "model/ValueNames.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The file beside the store that keeps the selections a player saved.
inline constexpr const char* kSelectionsFileName = "selections.txt";

// The selections saved in one data folder, one a line in selections.txt ("kind<TAB>boxes<TAB>name"), and the sets
// built in. A file that cannot be read or holds a line that is not a selection is reported (Error naming the line)
// and never written over, so a damaged file loses nothing. Built-in sets are found by their name in any of
// `wordings` (the languages the program speaks) and cannot be saved over or deleted.
class SelectionBook {
  public:
    SelectionBook(const std::filesystem::path& dataFolder, std::vector<Wording> wordings);

    const std::filesystem::path& file() const { return m_file; }

    // The saved selections in the order they were first saved.
    std::vector<Selection> saved() const;
    // What a kind's list offers: its built-in sets named in `wording`'s language, then the saved ones of the kind.
    std::vector<Selection> listFor(AttributeKind kind, const ParameterBases& bases, int zodiacYear,
                                   const Wording& wording) const;
    // Whether a selection is saved under this name (spaces around it do not count).
    bool contains(const std::string& name) const;
    // Saves a selection under its name, in place of one saved under the same name. Refuses (Error) an empty name,
    // one with a tab or a line break or starting with @, the name of a built-in set, and a file it cannot write
    // (the saved selections then stay as they were). Gives the selection as saved (its name trimmed, its boxes
    // in order).
    Selection save(Selection selection);
    // Deletes the selection saved under this name; refuses a built-in set's name and a name not saved.
    void remove(const std::string& name);
    // The selection of a kind a name gives: the saved one, else the kind's built-in set of that name in any language
    // (English in any case). Refuses a name that names nothing, and a selection or set of another kind.
    Selection find(const std::string& name, AttributeKind kind, const ParameterBases& bases, int zodiacYear) const;

  private:
    // The built-in set of any kind named `name` in any language, with its kind.
    std::optional<Selection> builtinNamed(const std::string& name, AttributeKind preferred, const ParameterBases& bases,
                                          int zodiacYear) const;
    void write(const std::vector<Selection>& selections) const;

    std::filesystem::path m_file;
    std::vector<Wording> m_wordings;
};

} // namespace quorvel
