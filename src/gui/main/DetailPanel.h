// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "gui/shell/TranslatedTexts.h"
#include "model/GroupSort.h"

#include <QGroupBox>

#include <functional>

#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;

namespace quorvel {

// The statistics details panel fraDetail beside the omission grid: the fuller figures of the grid's selected
// row, and the sort choice cboSort that orders the group results by a column or by the chance of the last omission.
class DetailPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit DetailPanel(QWidget* parent = nullptr);

    // The order chosen in cboSort: the column (or the chance) and whether descending (降序).
    GroupSort sortChoice() const;
    bool descendingChoice() const;
    // Shows a row's figures; without a row every figure reads "—". The title names the row as `rowLabel` says it.
    void showRow(const std::optional<GroupRow>& row);
    using RowLabel = std::function<QString(const std::string& content)>;
    void setRowLabel(RowLabel rowLabel) { m_rowLabel = std::move(rowLabel); }
    // The caption and the shown text of each figure line, top to bottom.
    std::vector<std::pair<QString, QString>> shownFigures() const;
    // Lets the sort choice follow an order chosen elsewhere (a click on a grid column), without signalling.
    void showSort(GroupSort sort, bool descending = false);

  signals:
    // The user chose an order in cboSort (also when it is the one shown).
    void sortChosen(GroupSort sort, bool descending);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The texts of the controls in the language now in use.
    void retranslate();
    // The sort choices' and the figures' captions in the language now in use.
    void showCaptions();

    QComboBox* m_sort;
    std::vector<std::pair<QLabel*, QLabel*>> m_lines;
    RowLabel m_rowLabel;
    std::optional<GroupRow> m_row; // the row shown, so that its figures can be said again in another language
    TranslatedTexts m_texts{"quorvel::DetailPanel"};
};

} // namespace quorvel
