// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <span>
#include <string>

namespace quorvel {

// Asks the views of a model to draw every header and cell text again: the window's language changed.
void redrawTexts(QAbstractItemModel& model);

// A result grid over rows held by a subclass: a fixed header and a cell function, each cell's text made when it
// is shown and centred, so that a million rows appear at once. Its texts are drawn again when the window's
// language changes.
class CellGridModel : public QAbstractTableModel {
  public:
    CellGridModel(std::span<const std::string> header, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Runs a change of the rows the grid shows, then draws the grid again from them.
    void redraw(const std::function<void()>& change);

  protected:
    bool event(QEvent* event) override;
    // How many rows there are, and the text of a cell.
    virtual int cellRows() const = 0;
    virtual std::string cellText(int row, int column) const = 0;

  private:
    std::span<const std::string> m_header;
};

} // namespace quorvel
