// SPDX-License-Identifier: MIT
#include "gui/views/ValueChoiceBar.h"

#include "gui/shell/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
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
    // The entries' texts are set (and set again in another language) by retranslate().
    for (std::size_t i = 0; i < everyKind().size(); ++i)
        m_kind->addItem(QString());
    for (std::size_t i = 0; i < valueViewPlaces().size(); ++i)
        m_where->addItem(QString());
    for (std::size_t i = 0; i < m_rowChoices.size(); ++i)
        m_rows->addItem(QString());
    if (gapRule) {
        m_fromRange = new QCheckBox(this);
        m_fromRange->setObjectName(QStringLiteral("chk%1FromRange").arg(name));
        // Here a player looks at the range alone: its first gap counts from its own first draw.
        m_fromRange->setChecked(true);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto labelled = [&](QWidget* control) {
        auto* label = new QLabel(this);
        label->setBuddy(control);
        layout->addWidget(label);
        layout->addWidget(control);
        return label;
    };
    m_kindLabel = labelled(m_kind);
    m_whereLabel = labelled(m_where);
    m_rowsLabel = labelled(m_rows);
    if (m_fromRange) layout->addWidget(m_fromRange);
    layout->addStretch(1);
    retranslate();

    for (QComboBox* box : {m_kind, m_where, m_rows})
        connect(box, &QComboBox::currentIndexChanged, this, &ValueChoiceBar::changed);
    if (m_fromRange) connect(m_fromRange, &QCheckBox::toggled, this, &ValueChoiceBar::changed);
}

void ValueChoiceBar::retranslate() {
    for (const KindInfo& info : everyKind())
        m_kind->setItemText(static_cast<int>(info.kind), shownKindName(info.kind));
    int entry = 0;
    for (const auto& [place, position] : valueViewPlaces()) {
        QString text;
        switch (place) {
        case ValuePlace::Special: text = tr("Special number"); break;
        case ValuePlace::Regular: text = tr("Regular numbers"); break;
        case ValuePlace::Any: text = tr("Any of the seven"); break;
        case ValuePlace::Position: text = tr("Regular position %1").arg(position); break;
        }
        m_where->setItemText(entry++, text);
    }
    entry = 0;
    for (int choice : m_rowChoices) {
        if (choice == kSearchRangeRows)
            m_rows->setItemText(entry++, tr("检索范围"));
        else if (choice == kAllRows)
            m_rows->setItemText(entry++, tr("全部"));
        else
            m_rows->setItemText(entry++, tr("Latest %1 draws").arg(choice));
    }
    if (m_fromRange) {
        m_fromRange->setText(tr("Count gaps from the range's first draw"));
        m_fromRange->setToolTip(tr("The first gap of the least and greatest omission counts from the range's first "
                                   "draw, not from the first stored draw."));
    }
    m_kindLabel->setText(tr("Kind:"));
    m_whereLabel->setText(tr("Where:"));
    m_rowsLabel->setText(tr("Draws:"));
}

void ValueChoiceBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
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
