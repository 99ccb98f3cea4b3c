// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <memory>
#include <string>

class QTranslator;

namespace quorvel {

// The translation catalogue of one language ("zh_CN", "zh_HK"; "en" is the source and needs none), read from the
// resources (:/i18n/), without a QCoreApplication: the command line renders its messages with it.
class Catalogue {
  public:
    explicit Catalogue(const std::string& language = "en");
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    const std::string& language() const { return m_language; }
    // A source text of a context in this language (the source itself when the catalogue has none).
    std::string text(const char* context, const char* source) const;
    std::string text(const Message& message) const;
    std::string text(const Messages& lines) const;

  private:
    std::string m_language;
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace quorvel
