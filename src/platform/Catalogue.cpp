// SPDX-License-Identifier: MIT
#include "platform/Catalogue.h"

#include <QString>
#include <QTranslator>

namespace quorvel {

Catalogue::Catalogue(const std::string& language) : m_language(language) {
    if (language == "en") return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(QString::fromStdString(language))))
        m_translator = std::move(translator);
}

Catalogue::~Catalogue() = default;

std::string Catalogue::text(const char* context, const char* source) const {
    if (!m_translator) return source;
    const QString translated = m_translator->translate(context, source);
    return translated.isEmpty() ? std::string(source) : translated.toStdString();
}

std::string Catalogue::text(const Message& message) const {
    return message.rendered([this](const std::string& context, const std::string& source) {
        return text(context.c_str(), source.c_str());
    });
}

std::string Catalogue::text(const Messages& lines) const {
    std::string out;
    for (const Message& line : lines) {
        if (!out.empty()) out += '\n';
        out += text(line);
    }
    return out;
}

} // namespace quorvel
