// SPDX-License-Identifier: MIT
#include "gui/WidgetDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>

namespace quorvel {

void WidgetDialogs::message(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool WidgetDialogs::question(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> WidgetDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                                            const QString& defaultText) {
    bool accepted = false;
    QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted) return std::nullopt;
    return text;
}

std::optional<QString> WidgetDialogs::openFile(QWidget* parent, const QString& title, const QString& folder,
                                               const QString& filter) {
    QString chosen = QFileDialog::getOpenFileName(parent, title, folder, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

void WidgetDialogs::popup(QMenu& menu, const QPoint& globalPosition) { menu.exec(globalPosition); }

} // namespace quorvel
