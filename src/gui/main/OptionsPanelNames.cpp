// SPDX-License-Identifier: MIT
// The typed value boxes of a kind with names: what a code means, and the names to choose a code by.
#include "gui/main/OptionsPanel.h"

#include "app/Workspace.h"
#include "app/choices/CodeMeaning.h"
#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"
#include "model/NumberTables.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>

namespace quorvel {

void OptionsPanel::showCodeMeaning(std::size_t box) {
    QCheckBox* caption = m_typedPositions[box];
    QLineEdit* value = m_typed[box];
    if (!caption || !value) return;
    const std::optional<int> code = typedNumber(value->text().toStdString());
    const Wording wording = windowWording();
    const std::string name = code ? codeName(kind(), *code, m_workspace.bases(), wording.language) : std::string();
    caption->setText(name.empty() ? m_positionCaptions[box]
                                  : m_positionCaptions[box] + QLatin1Char(' ') + fromStd(name));
    const int zodiacYear = m_nextIssue > 0 ? zodiacYearOfIssue(m_nextIssue) : 0;
    value->setToolTip(code ? fromStd(codeTip(kind(), *code, zodiacYear, m_workspace.bases(), wording)) : QString());
}

void OptionsPanel::showCodeMeanings() {
    for (std::size_t box = 0; box < m_typed.size(); ++box)
        showCodeMeaning(box);
}

void OptionsPanel::offerNames(std::size_t box, const QPoint& at) {
    QLineEdit* value = m_typed[box];
    const auto codes = namedCodes(kind(), m_workspace.bases(), windowWording().language);
    // A kind without names keeps the box's own menu (cut, copy, paste).
    QMenu* menu = codes.empty() ? value->createStandardContextMenu() : new QMenu(value);
    menu->setObjectName(QStringLiteral("mnuCodeNames"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto& [code, name] : codes) {
        const QString digits = fromStd(twoDigits(code));
        connect(menu->addAction(digits + QLatin1Char(' ') + fromStd(name)), &QAction::triggered, value,
                [this, box, value, digits] {
                    value->setText(digits);
                    m_search.setTypedValue(static_cast<int>(box) + 1, digits.toStdString());
                });
    }
    menu->popup(value->mapToGlobal(at));
}

} // namespace quorvel
