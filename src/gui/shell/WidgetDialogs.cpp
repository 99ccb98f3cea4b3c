// SPDX-License-Identifier: MIT
#include "gui/shell/WidgetDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

#include <memory>

namespace quorvel {

namespace {

std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& title, const QString& text, bool question,
                                        QMessageBox::Icon icon = QMessageBox::Information) {
    return std::make_unique<QMessageBox>(question ? QMessageBox::Question : icon, title, text,
                                         question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
}

std::unique_ptr<QInputDialog> inputDialog(QWidget* parent, const QString& title, const QString& prompt,
                                          const QString& defaultText) {
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    dialog->setInputMode(QInputDialog::TextInput);
    return dialog;
}

std::unique_ptr<QFileDialog> fileDialog(QWidget* parent, const QString& title, const QString& folder,
                                        const QString& filter) {
    auto dialog = std::make_unique<QFileDialog>(parent, title, folder, filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return dialog;
}

QStringList shownTexts(const QList<QAbstractButton*>& buttons) {
    QStringList texts;
    for (const QAbstractButton* button : buttons)
        texts << QString(button->text()).remove(QLatin1Char('&'));
    return texts;
}

} // namespace

void WidgetDialogs::message(QWidget* parent, const QString& title, const QString& text) {
    messageBox(parent, title, text, false)->exec();
}

void WidgetDialogs::warning(QWidget* parent, const QString& title, const QString& text) {
    messageBox(parent, title, text, false, QMessageBox::Warning)->exec();
}

bool WidgetDialogs::question(QWidget* parent, const QString& title, const QString& text) {
    return messageBox(parent, title, text, true)->exec() == QMessageBox::Ok;
}

std::optional<QString> WidgetDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                                            const QString& defaultText) {
    auto dialog = inputDialog(parent, title, prompt, defaultText);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return dialog->textValue();
}

std::optional<QString> WidgetDialogs::openFile(QWidget* parent, const QString& title, const QString& folder,
                                               const QString& filter) {
    auto dialog = fileDialog(parent, title, folder, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> WidgetDialogs::saveFile(QWidget* parent, const QString& title, const QString& suggested,
                                               const QString& filter) {
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void WidgetDialogs::printPreview(QWidget* parent, const QString& title, PrintSetup& setup, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    bool& fitWidth = setup.fitWidth;
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* pages) { paint(*pages, fitWidth); });
    auto* toolBar = dialog.findChild<QToolBar*>();
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    if (setup.offerFit && toolBar != nullptr && preview != nullptr) {
        auto* fit = new QComboBox(toolBar);
        fit->setObjectName(QStringLiteral("cboPrintFit"));
        fit->addItem(QCoreApplication::translate("quorvel::WidgetDialogs", "Columns across pages, in order"));
        fit->addItem(QCoreApplication::translate("quorvel::WidgetDialogs", "Fit the page width"));
        fit->setCurrentIndex(fitWidth ? 1 : 0);
        toolBar->addSeparator();
        toolBar->addWidget(fit);
        QObject::connect(fit, &QComboBox::currentIndexChanged, &dialog, [&fitWidth, preview](int index) {
            fitWidth = index == 1;
            preview->updatePreview();
        });
    }
    dialog.exec();
}

void WidgetDialogs::popup(QMenu& menu, const QPoint& globalPosition) { menu.exec(globalPosition); }

QStringList WidgetDialogs::buttonTexts(const QString& kind) {
    if (kind == QStringLiteral("message") || kind == QStringLiteral("question"))
        return shownTexts(messageBox(nullptr, {}, {}, kind == QStringLiteral("question"))->buttons());
    std::unique_ptr<QDialog> dialog;
    if (kind == QStringLiteral("input")) {
        dialog = inputDialog(nullptr, {}, {}, {});
    } else if (kind == QStringLiteral("file") || kind == QStringLiteral("save")) {
        auto files = fileDialog(nullptr, {}, {}, {});
        if (kind == QStringLiteral("save")) files->setAcceptMode(QFileDialog::AcceptSave);
        // The window's own file dialog, not the desktop's, so that its buttons can be read.
        files->setOption(QFileDialog::DontUseNativeDialog);
        dialog = std::move(files);
    } else {
        return {};
    }
    // An input dialog makes its controls when it is first laid out.
    dialog->sizeHint();
    const auto* box = dialog->findChild<QDialogButtonBox*>();
    return box ? shownTexts(box->buttons()) : QStringList();
}

} // namespace quorvel
