// SPDX-License-Identifier: MIT
#pragma once

#include "model/Error.h"
#include "model/Message.h"
#include "model/ParameterBases.h"

#include <optional>
#include <string>

namespace quorvel {

// The bases the stored draws were derived with, when the settings now say otherwise: every stored zodiac,
// segment or colour code of a kind that differs is read with the wrong base until the draws are derived again.
struct BasesMismatch {
    ParameterBases stored;
    ParameterBases settings;
};

// The mismatch of the stored draws' bases with the settings'; none when they agree or the history is empty
// (an empty history matches any bases).
std::optional<BasesMismatch> basesMismatch(const ParameterBases& stored, const ParameterBases& settings,
                                           bool historyEmpty);

// The command line's warning for a mismatch (the window offers its own menus instead): which bases differ, what it does
// to the names shown, and how to mend it.
Message basesMismatchWarning(const BasesMismatch& mismatch);

// The refusal of a change that would derive rows with bases given for one run only when they differ from
// the stored draws' bases: the store would hold rows of two codings. The advice depends on the settings.
Message runBasesRefusal(const ParameterBases& stored, const ParameterBases& run, const ParameterBases& settings);

// That refusal as a change raises it; it names the stored draws' bases and the mend, so a front end that warns of
// them need not say it again.
class RunBasesRefused : public Error {
  public:
    using Error::Error;
};

} // namespace quorvel
