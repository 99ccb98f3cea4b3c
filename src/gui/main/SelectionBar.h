// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/Selection.h"
#include "app/choices/SelectionBook.h"
#include "gui/shell/TranslatedTexts.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QMenu;
class QPushButton;

namespace quorvel {

class CombinationPanel;
class Dialogs;
class Workspace;

// The selections beside the combination boxes: the list cboSelection of the kind shown (the built-in sets in the
// window's language, then the saved ones), whose choice ticks exactly its boxes; 保存选择… (cmdSaveSelection) saves
// the ticked boxes under a name, asking before it replaces one; a right click on the list deletes the saved
// selection shown, after asking.
class SelectionBar : public QWidget {
    Q_OBJECT
  public:
    SelectionBar(Workspace& workspace, Dialogs& dialogs, CombinationPanel& boxes, QWidget* parent = nullptr);

  signals:
    void statusMessage(const QString& text);

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SelectionBook book() const;
    // Fills the list for the kind the boxes show; `kept` stays chosen when it is listed.
    void refresh(const std::optional<Selection>& kept);
    void choose(int index);
    void saveTicked();
    void deleteShown();

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    CombinationPanel& m_boxes;
    QComboBox* m_list = nullptr;   // cboSelection
    QPushButton* m_save = nullptr; // cmdSaveSelection
    QMenu* m_menu = nullptr;
    std::vector<Selection> m_shown; // the list's entries, in its order
    AttributeKind m_listedKind = AttributeKind::Number;
    TranslatedTexts m_texts{"quorvel::SelectionBar"};
};

} // namespace quorvel
