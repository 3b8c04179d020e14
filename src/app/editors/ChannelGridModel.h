#pragma once
// The channel grid state (AppState::Grid) as a table model for MSFlexGrid1: model
// row r is grid row r + 1, the header row gives the column headers, column 0 ("No")
// is fixed and not selectable, and each row shows its look.
#include "image/ChannelGrid.h"

#include <QAbstractTableModel>

namespace kvr27::app {

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ChannelGridModel(const ChannelGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The grid state changed: every cell is shown again.
    void refresh();

private:
    const ChannelGrid& grid_;
};

} // namespace kvr27::app
