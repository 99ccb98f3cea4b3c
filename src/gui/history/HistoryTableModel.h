// SPDX-License-Identifier: MIT
#pragma once

#include "app/history/HistoryListing.h"

#include <QAbstractTableModel>

namespace quorvel {

// The history list (MSFlexGrid1): one row per draw, cell texts computed when the view asks for them.
class HistoryTableModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setListing(HistoryListing listing);
    const HistoryListing& listing() const { return m_listing; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    HistoryListing m_listing;
};

} // namespace quorvel
