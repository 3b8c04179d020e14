#include "app/editors/ChannelGridModel.h"

#include "app/editors/EditorWidgets.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

namespace kvr27::app {

namespace {

// The disabled look's text colour: the system's scroll-bar grey.
const QColor DisabledText(0x80, 0x80, 0x80);

} // namespace

ChannelGridModel::ChannelGridModel(const ChannelGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid)
{
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelGrid::Rows - 1;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelGrid::Cols;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const bool disabledLook = index.column() > 0 && grid_.Look[static_cast<std::size_t>(row)] == RowLook::Disabled;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return ToQString(grid_.TextMatrix(row, index.column()));
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        if (index.column() == 0)
            return {};
        return disabledLook ? DisabledText : QColor(Qt::black);
    case Qt::FontRole:
        if (disabledLook) {
            QFont font = QApplication::font();
            font.setStrikeOut(true);
            return font;
        }
        return {};
    case Qt::BackgroundRole:
        if (index.column() == 0)
            return QApplication::palette().button();
        return {};
    default: return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < ChannelGrid::Cols &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return ToQString(grid_.TextMatrix(0, section));
    return {};
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ChannelGridModel::refresh()
{
    beginResetModel();
    endResetModel();
}

} // namespace kvr27::app
