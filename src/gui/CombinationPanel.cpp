// SPDX-License-Identifier: MIT
#include "gui/CombinationPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

namespace {

template <typename Widget> Widget* laterControl(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setEnabled(false);
    return widget;
}

} // namespace

CombinationPanel::CombinationPanel(QWidget* parent) : QWidget(parent) {
    auto* frame = new QGroupBox(QStringLiteral("组合检索"), this);
    frame->setObjectName(QStringLiteral("Frame6"));
    auto* boxes = new QGridLayout;
    for (int j = 1; j <= kCombinationBoxCount; ++j) {
        auto* box = new QCheckBox(QString::number(j), frame);
        box->setObjectName(QStringLiteral("Check6_%1").arg(j));
        // The block keeps its shape when a kind hides most boxes.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        boxes->addWidget(box, (j - 1) / 7, (j - 1) % 7);
        m_boxes[static_cast<std::size_t>(j - 1)] = box;
    }

    auto* bulk = new QHBoxLayout;
    const char* const bulkCaptions[3] = {"全选", "清空", "反选"};
    for (int j = 0; j < 3; ++j)
        bulk->addWidget(laterControl(new QPushButton(QString::fromUtf8(bulkCaptions[j]), frame),
                                     QStringLiteral("cmdZH_%1").arg(j)));
    auto* count = laterControl(new QLineEdit(QStringLiteral("0"), frame), QStringLiteral("Text5"));
    count->setAlignment(Qt::AlignCenter);
    count->setFixedWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    bulk->addWidget(count);
    bulk->addStretch();

    auto* group = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("组合位数"), frame);
    label->setObjectName(QStringLiteral("Label5"));
    auto* size = laterControl(new QComboBox(frame), QStringLiteral("Combo2"));
    size->setEditable(true);
    size->setInsertPolicy(QComboBox::NoInsert);
    for (int k = 1; k <= 6; ++k)
        size->addItem(QString::number(k));
    size->setCurrentText(QStringLiteral("2"));
    group->addWidget(label);
    group->addWidget(size);
    group->addWidget(laterControl(new QCheckBox(QStringLiteral("不限个数"), frame), QStringLiteral("chkNoLimit")));
    group->addStretch();
    group->addWidget(laterControl(new QPushButton(QStringLiteral("分组计算(&P)"), frame), QStringLiteral("Command5")));

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(boxes);
    frameLayout->addLayout(bulk);
    frameLayout->addLayout(group);
    frameLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

void CombinationPanel::layoutFor(AttributeKind kind, const ParameterBases& bases) {
    std::array<std::string, kCombinationBoxCount> current;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        current[i] = m_boxes[i]->text().toStdString();
    CombinationBoxLayout layout = layoutCombinationBoxes(kind, bases, current);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i]->setText(QString::fromStdString(layout.captions[i]));
        m_boxes[i]->setVisible(static_cast<int>(i) < layout.visibleCount);
    }
}

} // namespace quorvel
