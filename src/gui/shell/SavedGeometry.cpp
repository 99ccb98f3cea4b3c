// SPDX-License-Identifier: MIT
#include "gui/shell/SavedGeometry.h"

#include "app/settings/Settings.h"

#include <QByteArray>
#include <QWidget>

namespace quorvel {

SavedGeometry::SavedGeometry(QWidget& window, Settings& settings, Setting key)
    : m_window(window), m_settings(settings), m_key(key) {}

bool SavedGeometry::restoreOnce() {
    if (m_placed) return true;
    m_placed = true;
    const std::string saved = m_settings.text(m_key);
    return !saved.empty() && m_window.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)));
}

void SavedGeometry::save() noexcept {
    try {
        m_settings.set(m_key, m_window.saveGeometry().toBase64().toStdString());
    } catch (const std::exception&) {
        // Not remembering the place is no reason to keep the window open.
    }
}

} // namespace quorvel
