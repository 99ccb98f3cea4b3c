// SPDX-License-Identifier: MIT
#include "gui/shell/TranslatedTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace quorvel {

void TranslatedTexts::add(std::function<void(const QString&)> show, const char* source) {
    show(text(source));
    m_texts.emplace_back(std::move(show), source);
}

void TranslatedTexts::add(QAbstractButton* button, const char* source) {
    add([button](const QString& text) { button->setText(text); }, source);
}

void TranslatedTexts::add(QGroupBox* frame, const char* source) {
    add([frame](const QString& text) { frame->setTitle(text); }, source);
}

void TranslatedTexts::add(QLabel* label, const char* source) {
    add([label](const QString& text) { label->setText(text); }, source);
}

void TranslatedTexts::add(QAction* action, const char* source) {
    add([action](const QString& text) { action->setText(text); }, source);
}

void TranslatedTexts::add(QMenu* menu, const char* source) {
    add([menu](const QString& text) { menu->setTitle(text); }, source);
}

void TranslatedTexts::addToolTip(QWidget* widget, const char* source) {
    add([widget](const QString& text) { widget->setToolTip(text); }, source);
}

void TranslatedTexts::apply() const {
    for (const auto& [show, source] : m_texts)
        show(text(source));
}

QString TranslatedTexts::text(const char* source) const { return QCoreApplication::translate(m_context, source); }

} // namespace quorvel
