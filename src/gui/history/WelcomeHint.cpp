// SPDX-License-Identifier: MIT
#include "gui/history/WelcomeHint.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

WelcomeHint::WelcomeHint(const QString& file, QWidget* parent) : QFrame(parent), m_file(file) {
    setObjectName(QStringLiteral("fraWelcome"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto* close = new QPushButton(this);
    m_texts.add(close, QT_TR_NOOP("关闭"));
    close->setObjectName(QStringLiteral("cmdWelcomeClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    if (file.isEmpty()) {
        m_texts.add(text, QT_TR_NOOP("历史号码为空。请用“读取历史号文本”读入历史号码文本文件，或在下面逐期输入。"));
    } else {
        m_texts.add([this, text](const QString& shown) { text->setText(shown.arg(QFileInfo(m_file).fileName())); },
                    QT_TR_NOOP("历史号码为空。可以读入随软件附带的历史号码（%1），立即看到真实结果；"
                               "也可以用“读取历史号文本”读入自己的文件，或在下面逐期输入。"));
        auto* import = new QPushButton(this);
        m_texts.add(import, QT_TR_NOOP("读入附带的历史号码"));
        import->setObjectName(QStringLiteral("cmdWelcomeImport"));
        connect(import, &QPushButton::clicked, this, [this] { emit importRequested(m_file); });
        buttons->addWidget(import);
    }
    buttons->addStretch();
    buttons->addWidget(close);
}

void WelcomeHint::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QFrame::changeEvent(event);
}

void WelcomeHint::retranslate() { m_texts.apply(); }

} // namespace quorvel
