// SPDX-License-Identifier: MIT
#include "gui/main/CombinationPanel.h"

#include "analysis/GroupPlan.h"
#include "gui/shell/FocusOutWatcher.h"
#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"
#include "model/NumberTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quorvel {

CombinationPanel::CombinationPanel(QWidget* parent) : QWidget(parent) {
    auto* frame = m_texts.with(named(new QGroupBox(this), QStringLiteral("Frame6")), QT_TR_NOOP("组合检索"));
    auto* boxes = new QGridLayout;
    for (int j = 1; j <= kCombinationBoxCount; ++j) {
        auto* box = named(new QCheckBox(QString::number(j), frame), QStringLiteral("Check6_%1").arg(j));
        // The block keeps its shape when a kind hides most boxes.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        boxes->addWidget(box, (j - 1) / 7, (j - 1) % 7);
        m_boxes[static_cast<std::size_t>(j - 1)] = box;
        connect(box, &QCheckBox::clicked, this, &CombinationPanel::recount);
    }

    auto* bulk = new QHBoxLayout;
    const char* const bulkCaptions[3] = {QT_TR_NOOP("全选"), QT_TR_NOOP("清空"), QT_TR_NOOP("反选")};
    for (int j = 0; j < 3; ++j) {
        auto* button = m_texts.with(named(new QPushButton(frame), QStringLiteral("cmdZH_%1").arg(j)), bulkCaptions[j]);
        connect(button, &QPushButton::clicked, this, [this, j] { bulkChange(static_cast<BulkChange>(j)); });
        bulk->addWidget(button);
    }
    m_count = named(new QLineEdit(QStringLiteral("0"), frame), QStringLiteral("Text5"));
    m_count->setReadOnly(true);
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setFixedWidth(m_count->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    bulk->addWidget(m_count);
    bulk->addStretch();

    auto* group = new QHBoxLayout;
    m_size = named(new QComboBox(frame), QStringLiteral("Combo2"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (int k = 1; k <= 6; ++k)
        m_size->addItem(QString::number(k));
    m_size->setCurrentText(QStringLiteral("2"));
    onFocusOut(m_size, [this] { applyGroupSize(); });
    connect(m_size, &QComboBox::activated, this, [this] { applyGroupSize(); });
    m_noLimit = m_texts.with(named(new QCheckBox(frame), QStringLiteral("chkNoLimit")), QT_TR_NOOP("不限组数"));
    m_texts.add([this](const QString& tip) { m_noLimit->setToolTip(tip.arg(kGroupCeiling)); },
                QT_TR_NOOP("勾选后分组计算不再限制号码个数（3个分组40个、4个分组24个、5个分组18个、"
                           "6个分组16个），每次最多%1组，例如49个号码的全部三中三、四中四组合。"
                           "选择立即保存。"));
    m_group = m_texts.with(named(new QPushButton(frame), QStringLiteral("Command5")), QT_TR_NOOP("分组计算(&P)"));
    connect(m_noLimit, &QCheckBox::toggled, this, &CombinationPanel::noLimitChosen);
    connect(m_group, &QPushButton::clicked, this, &CombinationPanel::groupRequested);
    group->addWidget(m_texts.with(named(new QLabel(frame), QStringLiteral("Label5")), QT_TR_NOOP("组合位数")));
    group->addWidget(m_size);
    group->addWidget(m_noLimit);
    group->addStretch();
    group->addWidget(m_group);

    m_frameLayout = new QVBoxLayout(frame);
    m_frameLayout->addLayout(boxes);
    m_frameLayout->addLayout(bulk);
    m_frameLayout->addLayout(group);
    m_frameLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

void CombinationPanel::layoutFor(AttributeKind kind, const ParameterBases& bases, int nextIssue) {
    m_kind = kind;
    m_laidOut.emplace(bases, nextIssue);
    std::array<std::string, kCombinationBoxCount> current;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        current[i] = m_boxes[i]->text().toStdString();
    const std::string language = windowWording().language;
    CombinationBoxLayout layout = layoutCombinationBoxes(kind, bases, current, language);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i]->setText(QString::fromStdString(layout.captions[i]));
        m_boxes[i]->setVisible(static_cast<int>(i) < layout.visibleCount);
    }
    const auto tips = combinationBoxTips(kind, bases, zodiacYearOfIssue(nextIssue), language);
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setToolTip(QString::fromStdString(tips[i]));
    recount();
    emit laidOut();
}

void CombinationPanel::setTicks(const BoxTicks& ticks) {
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setChecked(ticks[i]);
    recount();
}

void CombinationPanel::addRow(QWidget* row) {
    row->setParent(m_boxes.front()->parentWidget());
    m_frameLayout->insertWidget(1, row);
}

BoxTicks CombinationPanel::ticks() const {
    BoxTicks ticks{};
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        ticks[i] = m_boxes[i]->isChecked();
    return ticks;
}

int CombinationPanel::applyGroupSize() {
    GroupSizeEntry entry = readGroupSize(m_size->currentText().toStdString(), m_groupSize, noLimit());
    if (!entry.problem.empty()) {
        emit statusMessage(shown(entry.problem));
        m_size->setCurrentText(QString::number(m_groupSize));
    }
    // A size taken, chosen from the list or typed, is kept for the next start.
    const bool changed = entry.size != m_groupSize;
    m_groupSize = entry.size;
    if (changed) emit groupSizeChosen(m_groupSize);
    return m_groupSize;
}

bool CombinationPanel::noLimit() const { return m_noLimit->isChecked(); }

void CombinationPanel::showGroupSize(int size) {
    m_groupSize = size;
    m_size->setCurrentText(QString::number(size));
}

void CombinationPanel::showNoLimit(bool ticked) {
    const QSignalBlocker blocker(m_noLimit);
    m_noLimit->setChecked(ticked);
}

void CombinationPanel::bulkChange(BulkChange change) {
    const BoxTicks changed = applyBulkChange(ticks(), change);
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setChecked(changed[i]);
    recount();
}

void CombinationPanel::recount() { m_count->setText(QString::number(tickedCount(ticks(), m_kind))); }

void CombinationPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void CombinationPanel::retranslate() {
    m_texts.apply();
    if (m_laidOut) layoutFor(m_kind, m_laidOut->first, m_laidOut->second);
}

} // namespace quorvel
