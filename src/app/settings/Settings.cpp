// SPDX-License-Identifier: MIT
#include "app/settings/Settings.h"

#include "model/Error.h"

namespace quorvel {

std::string Settings::effectiveText(Setting setting) const {
    const SettingKey& key = settingKey(setting);
    auto stored = m_store.read(key.name);
    if (!stored) return std::string(key.defaultText);
    if (key.type == SettingType::Boolean) {
        auto value = parseBooleanText(*stored);
        if (!value) return std::string(key.defaultText);
        return *value ? "True" : "False";
    }
    if (settingProblem(key, *stored)) return std::string(key.defaultText);
    return *stored;
}

bool Settings::boolean(Setting setting) const { return effectiveText(setting) == "True"; }

int Settings::integer(Setting setting) const { return *parseIntegerText(effectiveText(setting)); }

std::string Settings::text(Setting setting) const { return effectiveText(setting); }

void Settings::set(Setting setting, const std::string& text) {
    const SettingKey& key = settingKey(setting);
    if (auto problem = settingProblem(key, text)) throw Error(*problem);
    m_store.write(key.name, text);
}

ParameterBases Settings::bases() const {
    return ParameterBases{integer(Setting::SxIni), integer(Setting::DsIni), integer(Setting::BsIni)};
}

std::optional<Message> Settings::readWarning() const {
    const std::optional<Message> failure = m_store.readFailure();
    if (!failure) return std::nullopt;
    return Message::core(QT_TRANSLATE_NOOP("Core", "%1: the settings it does not give take their defaults until it "
                                                   "is corrected or moved away"),
                         *failure);
}

std::optional<Message> Settings::unreadValue(Setting setting) const {
    if (m_store.read(settingKey(setting).name)) return std::nullopt;
    return m_store.readFailure();
}

} // namespace quorvel
