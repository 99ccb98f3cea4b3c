// SPDX-License-Identifier: MIT
#include "platform/LanguageWordings.h"

#include "platform/Catalogue.h"

namespace quorvel {

const std::vector<Wording>& languageWordings() {
    // The catalogues live as long as the wordings that refer to them.
    static const Catalogue catalogues[]{Catalogue("en"), Catalogue("zh_CN"), Catalogue("zh_HK")};
    static const std::vector<Wording> wordings = [] {
        std::vector<Wording> all;
        for (const Catalogue& catalogue : catalogues)
            all.push_back({catalogue.language(), [&catalogue](const std::string& context, const std::string& text) {
                               return catalogue.text(context.c_str(), text.c_str());
                           }});
        return all;
    }();
    return wordings;
}

} // namespace quorvel
