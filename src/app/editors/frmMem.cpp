#include "app/editors/frmMem.h"

#include <algorithm>

#include "app/editors/ChannelGridModel.h"
#include "app/editors/DocumentUndoActions.h"
#include "app/editors/EditorWidgets.h"
#include "app/editors/TransferStatusBar.h"
#include "app/editors/frmMemSub.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace kvr27::app {

namespace {

struct ButtonPlace {
    const char* caption;
    int row;
    int col;
};
// Two rows of buttons: reading and writing, enabling, disabling, and "Exit".
constexpr std::array<ButtonPlace, 7> Buttons = {{
    {QT_TRANSLATE_NOOP("Controls", "Read Memories"), 0, 0},
    {QT_TRANSLATE_NOOP("Controls", "Write Memories"), 1, 0},
    {QT_TRANSLATE_NOOP("Controls", "Enable"), 0, 1},
    {QT_TRANSLATE_NOOP("Controls", "Enable All"), 1, 1},
    {QT_TRANSLATE_NOOP("Controls", "disable"), 0, 2},
    {QT_TRANSLATE_NOOP("Controls", "disable All"), 1, 2},
    {QT_TRANSLATE_NOOP("Controls", "Exit"), 0, 3},
}};

// The widest text each column shows, so that no cell is cut whatever the font.
constexpr std::array<const char*, 12> WidestCellText = {"99", "000.00000", "6.25KHz", "None", "00.00000", "Off",
                                                        "Off", "None", "250.3Hz", "250.3Hz", "Off", "mode"};

// Rows of the grid visible without scrolling at the least (on a low screen).
constexpr int VisibleRows = 16;

} // namespace

frmMem::frmMem(const EditorContext& context, QWidget* parent)
    : EditorWindow(context, QT_TRANSLATE_NOOP("Controls", " Clone Utility(Memory Mode)"), RadioParts::Memory, parent), editor_(context.State),
      dialogRunner_([](frmMemSub& dialog) { dialog.exec(); }),
      rowMenuRunner_([](QMenu& menu, const QPoint& at) { menu.exec(at); })
{
    setObjectName(QStringLiteral("frmMem"));

    auto* buttons = new QGridLayout;
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
        const ButtonPlace& place = Buttons[static_cast<std::size_t>(index)];
        Command1[index] = addCommand(index, place.caption);
        buttons->addWidget(Command1[index], place.row, place.col);
    }
    buttons->setColumnStretch(4, 1);

    model_ = new ChannelGridModel(context_.State.Grid, this);
    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setAccessibleName(tr("Memory channels"));
    MSFlexGrid1->setModel(model_);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->horizontalHeader()->setHighlightSections(false);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    int width = 0;
    for (int col = 0; col < ChannelGrid::Cols; ++col) {
        const auto column = static_cast<std::size_t>(col);
        const int textWidth =
            std::max(fontMetrics().horizontalAdvance(QString::fromLatin1(WidestCellText[column])),
                     fontMetrics().horizontalAdvance(ToQString(ChannelGridColumns[column].Header)));
        const int columnWidth = std::max(Twips(this, ChannelGridColumns[column].WidthTwips), textWidth + Twips(this, 180));
        MSFlexGrid1->setColumnWidth(col, columnWidth);
        width += columnWidth;
    }
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1->setMinimumWidth(width + MSFlexGrid1->verticalScrollBar()->sizeHint().width() +
                                 2 * MSFlexGrid1->frameWidth());
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->horizontalHeader()->sizeHint().height() +
                                  VisibleRows * MSFlexGrid1->verticalHeader()->defaultSectionSize() +
                                  2 * MSFlexGrid1->frameWidth());
    connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (rendering_ || !current.isValid())
                    return;
                editor_.rowSelected(current.row() + 1);
                // The view settles its own selection after this (a click on a "No"
                // cell selects nothing): the current row is shown selected once it has,
                // without scrolling, so a row the user chose stays under the pointer
                // for the second click of a double-click.
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        MSFlexGrid1->setAutoScroll(false);
                        showSelection();
                        MSFlexGrid1->setAutoScroll(true);
                    },
                    Qt::QueuedConnection);
            });
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, [this] { MSFlexGrid1_DblClick(); });
    MSFlexGrid1->installEventFilter(this);
    MSFlexGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MSFlexGrid1, &QWidget::customContextMenuRequested, this, &frmMem::showRowMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addSpacing(Twips(this, 240));
    layout->addWidget(MSFlexGrid1, 1);
    layout->addWidget(statusBar());
    statusBar()->setLines(2);
}

void frmMem::setDialogRunner(std::function<void(frmMemSub&)> runner)
{
    dialogRunner_ = std::move(runner);
}

void frmMem::load()
{
    editor_.load();
}

void frmMem::render()
{
    const QScopedValueRollback guard(rendering_, true);
    model_->refresh();
    showSelection();
    const ChannelGrid& grid = context_.State.Grid;
    MSFlexGrid1->scrollTo(model_->index(grid.Row - 1, 0));
    MSFlexGrid1->setVisible(grid.Visible);
}

void frmMem::showSelection()
{
    const QScopedValueRollback guard(rendering_, true);
    const ChannelGrid& grid = context_.State.Grid;
    const int row = grid.Row - 1;
    QItemSelectionModel* selection = MSFlexGrid1->selectionModel();
    selection->setCurrentIndex(model_->index(row, grid.Col), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(model_->index(row, std::min(grid.Col, grid.ColSel)),
                                     model_->index(row, std::max(grid.Col, grid.ColSel))),
                      QItemSelectionModel::ClearAndSelect);
}

QWidget* frmMem::entryControls()
{
    return MSFlexGrid1;
}

void frmMem::runCommand(int index)
{
    switch (index) {
    case 2: editor_.enableClicked(); break;
    case 3: editor_.enableAllClicked(); break;
    case 4: editor_.disableClicked(); break;
    case 5: editor_.disableAllClicked(); break;
    case 6: editor_.exitClicked(); break;
    default: break;
    }
    render();
    if (index == 6)
        done(Accepted);
}

void frmMem::MSFlexGrid1_DblClick()
{
    if (context_.State.TransferRunning)
        return;
    frmMemSub dialog(context_.State, context_.Messages, this);
    placeBesideRow(dialog);
    dialogRunner_(dialog);
    render();
    undoActions_->refresh();
}

void frmMem::placeBesideRow(QWidget& dialog)
{
    dialog.adjustSize();
    const QRect row = MSFlexGrid1->visualRect(model_->index(context_.State.Grid.Row - 1, 0));
    const QPoint top = MSFlexGrid1->viewport()->mapToGlobal(QPoint(0, row.top()));
    const QPoint bottom = MSFlexGrid1->viewport()->mapToGlobal(QPoint(0, row.bottom()));
    const QRect screen = MSFlexGrid1->screen()->availableGeometry();
    // Below the row where the dialog fits, else above it; never over it.
    const int frame = dialog.frameGeometry().height() - dialog.height();
    int y = bottom.y() + 1 + frame;
    if (y + dialog.height() > screen.bottom())
        y = top.y() - dialog.height() - 1;
    const int x = std::clamp(mapToGlobal(QPoint(0, 0)).x(), screen.left(),
                             std::max(screen.left(), screen.right() - dialog.width()));
    dialog.move(x, std::max(screen.top(), y));
}

bool frmMem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
            MSFlexGrid1_DblClick();
            return true;
        }
    }
    return EditorWindow::eventFilter(watched, event);
}

void frmMem::showEvent(QShowEvent* event)
{
    fitToScreenHeight();
    EditorWindow::showEvent(event);
    MSFlexGrid1->setFocus(Qt::OtherFocusReason);
}

void frmMem::fitToScreenHeight()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect available = screen->availableGeometry();
    // The title bar and border, where the window system has told them; else an
    // allowance of two lines.
    const int shown = frameGeometry().height() - height();
    const int frame = shown > 0 ? shown : 2 * fontMetrics().height();
    const int height = std::max(minimumSizeHint().height(), available.height() - frame);
    resize(width(), height);
    move(x(), std::clamp(y(), available.top(), std::max(available.top(), available.bottom() + 1 - height - frame)));
}

void frmMem::showRowMenu(const QPoint& position)
{
    if (context_.State.TransferRunning || !MSFlexGrid1->indexAt(position).isValid())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuRow"));
    menu.addAction(tr("Edit Channel..."), this, &frmMem::MSFlexGrid1_DblClick);
    menu.addAction(tr("Enable"), this, [this] { Command1_Click(2); });
    menu.addAction(tr("disable"), this, [this] { Command1_Click(4); });
    menu.addSeparator();
    menu.addActions({undoActions_->undo(), undoActions_->redo()});
    rowMenuRunner_(menu, MSFlexGrid1->viewport()->mapToGlobal(position));
}

void frmMem::setRowMenuRunner(std::function<void(QMenu&, const QPoint&)> runner)
{
    rowMenuRunner_ = std::move(runner);
}

void frmMem::closedByCloseBox()
{
    editor_.closed();
}

} // namespace kvr27::app
