#pragma once
// The channel grid state (AppState::Grid) as a table model for MSFlexGrid1: model
// row r is grid row r + 1, the header row gives the column headers, column 0 ("No")
// is fixed and not selectable, and each row shows its look; a frequency the write
// would leave out has its own background and its remark as the tooltip. The model shows what it
// was last told (refresh), so the view only ever sees announced changes.
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

    // Shows the grid state as it stands: the rows whose texts or look changed are
    // announced as changed. The model is never reset, so a click or double-click
    // under way keeps the row it was made on.
    void refresh();

private:
    const ChannelGrid& grid_;
    // What the view shows: the grid state at the last refresh.
    decltype(ChannelGrid::Text) shownText_{};
    decltype(ChannelGrid::Look) shownLook_{};
    decltype(ChannelGrid::Remark) shownRemark_{};
};

} // namespace kvr27::app
