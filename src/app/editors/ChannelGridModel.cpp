#include "app/editors/ChannelGridModel.h"

#include "app/editors/EditorWidgets.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPalette>

namespace kvr27::app {

namespace {

// The disabled look's text colour: the system's scroll-bar grey.
const QColor DisabledText(0x80, 0x80, 0x80);
// The background of a frequency the write would leave out.
const QColor OutOfRangeBackground(0xff, 0xd5, 0x9e);
// The column of the frequency ("Frequency(ch)").
constexpr std::size_t FrequencyColumn = 1;

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
    const auto row = static_cast<std::size_t>(index.row() + 1);
    const auto col = static_cast<std::size_t>(index.column());
    if (row >= shownText_.size() || col >= shownText_[row].size())
        return {};
    const bool disabledLook = col > 0 && shownLook_[row] == RowLook::Disabled;
    const bool outOfRange = col == FrequencyColumn && !shownRemark_[row].empty();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return col == 0 ? ToQString(shownText_[row][col]) : ShownValue(shownText_[row][col]);
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
        return outOfRange ? QVariant(OutOfRangeBackground) : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: return outOfRange ? ToQString(shownRemark_[row]) : QVariant();
    default: return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < ChannelGrid::Cols &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return QCoreApplication::translate(
            "Controls", std::string(shownText_[0][static_cast<std::size_t>(section)]).c_str());
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
    int first = 0; // the first and last changed channel row (grid row), 0 for none
    int last = 0;
    for (int row = 0; row < ChannelGrid::Rows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        if (shownText_[r] == grid_.Text[r] && shownLook_[r] == grid_.Look[r] && shownRemark_[r] == grid_.Remark[r])
            continue;
        shownText_[r] = grid_.Text[r];
        shownLook_[r] = grid_.Look[r];
        shownRemark_[r] = grid_.Remark[r];
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, 0, ChannelGrid::Cols - 1);
            continue;
        }
        first = first == 0 ? row : first;
        last = row;
    }
    if (first > 0)
        emit dataChanged(index(first - 1, 0), index(last - 1, ChannelGrid::Cols - 1));
}

} // namespace kvr27::app
