// SPDX-License-Identifier: MIT
#include "gui/ValueChoiceBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace quorvel {

ValueChoiceBar::ValueChoiceBar(const QString& name, QWidget* parent)
    : ValueChoiceBar(name, valueViewRows(), true, parent) {}

ValueChoiceBar::ValueChoiceBar(const QString& name, const std::vector<int>& rows, bool gapRule, QWidget* parent)
    : QWidget(parent), m_kind(new QComboBox(this)), m_where(new QComboBox(this)), m_rows(new QComboBox(this)),
      m_rowChoices(rows) {
    m_kind->setObjectName(QStringLiteral("cbo%1Kind").arg(name));
    m_where->setObjectName(QStringLiteral("cbo%1Where").arg(name));
    m_rows->setObjectName(QStringLiteral("cbo%1Rows").arg(name));
    for (const KindInfo& info : allKinds())
        m_kind->addItem(QString::fromUtf8(info.chineseName.data(), static_cast<qsizetype>(info.chineseName.size())));
    for (const auto& [place, position] : valueViewPlaces()) {
        switch (place) {
        case ValuePlace::Special: m_where->addItem(tr("Special number")); break;
        case ValuePlace::Regular: m_where->addItem(tr("Regular numbers")); break;
        case ValuePlace::Any: m_where->addItem(tr("Any of the seven")); break;
        case ValuePlace::Position: m_where->addItem(tr("Regular position %1").arg(position)); break;
        }
    }
    for (int choice : m_rowChoices) {
        if (choice == kSearchRangeRows)
            m_rows->addItem(QStringLiteral("检索范围"));
        else if (choice == kAllRows)
            m_rows->addItem(QStringLiteral("全部"));
        else
            m_rows->addItem(tr("Latest %1 draws").arg(choice));
    }
    if (gapRule) {
        m_fromRange = new QCheckBox(tr("Count gaps from the range's first draw"), this);
        m_fromRange->setObjectName(QStringLiteral("chk%1FromRange").arg(name));
        // Here a player looks at the range alone: its first gap counts from its own first draw.
        m_fromRange->setChecked(true);
        m_fromRange->setToolTip(tr("The first gap of the least and greatest omission counts from the range's first "
                                   "draw, not from the first stored draw."));
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto labelled = [&](const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        layout->addWidget(label);
        layout->addWidget(control);
    };
    labelled(tr("Kind:"), m_kind);
    labelled(tr("Where:"), m_where);
    labelled(tr("Draws:"), m_rows);
    if (m_fromRange) layout->addWidget(m_fromRange);
    layout->addStretch(1);

    for (QComboBox* box : {m_kind, m_where, m_rows})
        connect(box, &QComboBox::currentIndexChanged, this, &ValueChoiceBar::changed);
    if (m_fromRange) connect(m_fromRange, &QCheckBox::toggled, this, &ValueChoiceBar::changed);
}

void ValueChoiceBar::chooseRows(int rows) {
    const auto found = std::find(m_rowChoices.begin(), m_rowChoices.end(), rows);
    if (found != m_rowChoices.end()) m_rows->setCurrentIndex(static_cast<int>(found - m_rowChoices.begin()));
}

void ValueChoiceBar::startFrom(AttributeKind kind) { m_kind->setCurrentIndex(static_cast<int>(kind)); }

ValueViewChoices ValueChoiceBar::choices(const AnalysisChoices& main) const {
    ValueViewChoices choices;
    choices.kind = static_cast<AttributeKind>(std::max(m_kind->currentIndex(), 0));
    choices.place = static_cast<std::size_t>(std::max(m_where->currentIndex(), 0));
    choices.rows = m_rowChoices.at(static_cast<std::size_t>(std::max(m_rows->currentIndex(), 0)));
    choices.gapsFromRange = m_fromRange == nullptr || m_fromRange->isChecked();
    choices.order = main.order;
    choices.startText = main.startText;
    choices.endText = main.endText;
    return choices;
}

} // namespace quorvel
