// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/WindowRequests.h"
#include "app/results/ValueViewChoices.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

namespace quorvel {

// The choices of a window that shows every value of a kind (the omission table, the trend): the kind
// (cbo<Name>Kind), where a value is looked for (cbo<Name>Where), the draws (cbo<Name>Rows: the main window's
// search range, the latest 30, 50, 100 or 200, all, in the order given) and, where it matters, the gap rule
// (chk<Name>FromRange, on by default). Its texts follow the window's language at once; the choices stay.
class ValueChoiceBar : public QWidget {
    Q_OBJECT
  public:
    // `name` completes the object names, e.g. "Table" gives cboTableKind; `rows` are the draws offered (entries
    // of valueViewRows()), the first chosen; without `gapRule` the choice of where gaps count is left out.
    ValueChoiceBar(const QString& name, const std::vector<int>& rows, bool gapRule, QWidget* parent = nullptr);
    // The omission table's choices.
    explicit ValueChoiceBar(const QString& name, QWidget* parent = nullptr);

    // Chooses the draws entry `rows` (an entry of the list given); nothing changes for another.
    void chooseRows(int rows);

    // Takes the main window's kind (the other choices stay).
    void startFrom(AttributeKind kind);
    // The choices with the main window's number order and range texts.
    ValueViewChoices choices(const AnalysisChoices& main) const;

  signals:
    void changed();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();

    QComboBox* m_kind;
    QComboBox* m_where;
    QComboBox* m_rows;
    QCheckBox* m_fromRange = nullptr;
    QLabel* m_kindLabel;
    QLabel* m_whereLabel;
    QLabel* m_rowsLabel;
    std::vector<int> m_rowChoices;
};

} // namespace quorvel
