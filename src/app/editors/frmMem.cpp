#include "app/editors/frmMem.h"

#include <algorithm>

#include "app/editors/ChannelGridModel.h"
#include "app/editors/DocumentUndoActions.h"
#include "app/editors/EditorWidgets.h"
#include "app/editors/TransferStatusBar.h"
#include "app/editors/frmMemSub.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
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

// The widest texts each column shows, so that no cell is cut whatever the font or
// the language of its words.
constexpr std::array<std::array<const char*, 2>, 12> WidestCellTexts = {{{"99", "99"},
                                                                         {"000.00000", "000.00000"},
                                                                         {"6.25KHz", "6.25KHz"},
                                                                         {"None", "-"},
                                                                         {"00.00000", "00.00000"},
                                                                         {"On", "Off"},
                                                                         {"On", "Off"},
                                                                         {"None", "TSQ"},
                                                                         {"250.3Hz", "250.3Hz"},
                                                                         {"250.3Hz", "250.3Hz"},
                                                                         {"Off", "39"},
                                                                         {"mode", "mode"}}};

// Rows of the grid visible without scrolling at the least (on a low screen).
constexpr int VisibleRows = 16;

} // namespace

frmMem::frmMem(const EditorContext& context, QWidget* parent)
    : EditorWindow(context, QT_TRANSLATE_NOOP("Controls", " Clone Utility(Memory Mode)"), RadioParts::Memory, parent),
      editor_(context.State, context.Messages),
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
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->horizontalHeader()->setHighlightSections(false);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    int width = 0;
    for (int col = 0; col < ChannelGrid::Cols; ++col) {
        const auto column = static_cast<std::size_t>(col);
        int textWidth = fontMetrics().horizontalAdvance(
            QCoreApplication::translate("Controls", std::string(ChannelGridColumns[column].Header).c_str()));
        for (const char* widest : WidestCellTexts[column])
            textWidth = std::max(textWidth, fontMetrics().horizontalAdvance(ShownValue(widest)));
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
    connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmMem::followView);
    connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmMem::followView);
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, [this] { MSFlexGrid1_DblClick(); });
    MSFlexGrid1->installEventFilter(this);
    MSFlexGrid1->viewport()->installEventFilter(this);
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
    QItemSelectionModel* selection = MSFlexGrid1->selectionModel();
    selection->setCurrentIndex(model_->index(grid.Row - 1, grid.Col), QItemSelectionModel::NoUpdate);
    const int firstCol = std::min(grid.Col, grid.ColSel);
    const int lastCol = std::max(grid.Col, grid.ColSel);
    QItemSelection rows;
    bool shown = true; // whether the view shows these rows selected, and no others
    for (int channel : SelectedChannels(grid).Channels) {
        rows.select(model_->index(channel, firstCol), model_->index(channel, lastCol));
        shown = shown && selection->isSelected(model_->index(channel, firstCol)) &&
                selection->isSelected(model_->index(channel, lastCol));
    }
    // Left alone when it matches, so that Shift with the arrows keeps its anchor.
    if (!shown || selection->selectedIndexes().size() != rows.indexes().size())
        selection->select(rows, QItemSelectionModel::ClearAndSelect);
}

void frmMem::followView()
{
    const QModelIndex current = MSFlexGrid1->currentIndex();
    if (rendering_ || dragging_ || !current.isValid())
        return;
    std::vector<int> rows;
    for (const QModelIndex& index : MSFlexGrid1->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    editor_.channelsSelected(rows, current.row());
    // The view settles its own selection after this (a click on a "No" cell selects
    // nothing): the selection is shown once it has, without scrolling, so a row the
    // user chose stays under the pointer for the second click of a double-click.
    QMetaObject::invokeMethod(
        this,
        [this] {
            MSFlexGrid1->setAutoScroll(false);
            showSelection();
            MSFlexGrid1->setAutoScroll(true);
        },
        Qt::QueuedConnection);
}

void frmMem::operate(const std::function<void()>& operation)
{
    if (context_.State.TransferRunning)
        return;
    operation();
    render();
    undoActions_->refresh();
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

void frmMem::editSelected()
{
    const ChannelSelection selected = SelectedChannels(context_.State.Grid);
    if (selected.Channels.size() < 2) {
        MSFlexGrid1_DblClick();
        return;
    }
    if (context_.State.TransferRunning)
        return;
    frmMemSub dialog(context_.State, context_.Messages, this, selected);
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
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
            MSFlexGrid1_DblClick();
            return true;
        }
        if (operationKey(*keyEvent))
            return true;
    }
    if (watched == MSFlexGrid1->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove ||
         event->type() == QEvent::MouseButtonRelease) &&
        dragEvent(*static_cast<QMouseEvent*>(event)))
        return true;
    return EditorWindow::eventFilter(watched, event);
}

bool frmMem::operationKey(const QKeyEvent& key)
{
    const bool control = key.modifiers() == Qt::ControlModifier;
    std::function<void()> operation;
    if (key.matches(QKeySequence::Copy))
        operation = [this] { QGuiApplication::clipboard()->setText(ToQString(editor_.copyClicked())); };
    else if (key.matches(QKeySequence::Cut))
        operation = [this] {
            const std::string copied = editor_.cutClicked();
            if (!copied.empty())
                QGuiApplication::clipboard()->setText(ToQString(copied));
        };
    else if (key.matches(QKeySequence::Paste))
        operation = [this] { editor_.pasteClicked(QGuiApplication::clipboard()->text().toStdString()); };
    else if (key.key() == Qt::Key_Delete && key.modifiers() == Qt::NoModifier)
        operation = [this] { editor_.deleteClicked(); };
    else if (key.key() == Qt::Key_Insert && key.modifiers() == Qt::NoModifier)
        operation = [this] { editor_.insertClicked(); };
    else if (control && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down))
        operation = [this, down = key.key() == Qt::Key_Down] { editor_.moveByOne(down); };
    if (!operation)
        return false;
    operate(operation);
    return true;
}

bool frmMem::dragEvent(const QMouseEvent& mouse)
{
    const QPoint at = mouse.position().toPoint();
    const int row = MSFlexGrid1->rowAt(at.y());
    switch (mouse.type()) {
    case QEvent::MouseButtonPress: {
        const ChannelSelection selected = SelectedChannels(context_.State.Grid);
        dragging_ = false;
        dragged_.reset();
        if (mouse.button() == Qt::LeftButton && mouse.modifiers() == Qt::NoModifier && row >= 0 &&
            std::ranges::count(selected.Channels, row) > 0)
            dragged_ = selected, dragStart_ = at;
        return false;
    }
    case QEvent::MouseMove:
        if (dragged_ && (mouse.buttons() & Qt::LeftButton) &&
            (at - dragStart_).manhattanLength() >= QApplication::startDragDistance())
            dragging_ = true;
        return dragging_; // the view selects nothing while rows are dragged
    case QEvent::MouseButtonRelease:
        if (dragging_ && mouse.button() == Qt::LeftButton) {
            const ChannelSelection dragged = *dragged_;
            dragged_.reset();
            if (row >= 0)
                operate([&] { editor_.droppedOn(dragged, row + 1); });
            // The view's own release would select the row pressed on.
            QMetaObject::invokeMethod(this, [this] { dragging_ = false; render(); }, Qt::QueuedConnection);
        }
        return false;
    default: return false;
    }
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
    menu.addAction(tr("Edit Selected Channels…"), this, &frmMem::editSelected)
        ->setEnabled(SelectedChannels(context_.State.Grid).Channels.size() > 1);
    menu.addAction(tr("Enable"), this, [this] { Command1_Click(2); });
    menu.addAction(tr("disable"), this, [this] { Command1_Click(4); });
    menu.addSeparator();
    // Each operation on its key: the key event the grid would get runs it.
    const auto byKey = [this, &menu](const QString& caption, const QKeySequence& keys) {
        QAction* action = menu.addAction(caption);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut); // shown, not bound: the grid has the keys
        connect(action, &QAction::triggered, this, [this, keys] {
            QKeyEvent key(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers());
            (void)operationKey(key);
        });
    };
    byKey(tr("Cut"), QKeySequence::Cut);
    byKey(tr("Copy"), QKeySequence::Copy);
    byKey(tr("Paste"), QKeySequence::Paste);
    menu.addSeparator();
    byKey(tr("Delete"), Qt::Key_Delete);
    menu.addAction(tr("Delete and Shift Up"), this, [this] { operate([this] { editor_.deleteAndShiftUpClicked(); }); });
    byKey(tr("Insert Empty Channel"), Qt::Key_Insert);
    byKey(tr("Move Up"), QKeySequence(Qt::ControlModifier | Qt::Key_Up));
    byKey(tr("Move Down"), QKeySequence(Qt::ControlModifier | Qt::Key_Down));
    menu.addAction(tr("Sort by Frequency"), this, [this] { operate([this] { editor_.sortClicked(); }); });
    menu.addSeparator();
    menu.addAction(tr("Fill LPD Channels…"), this, [this] { operate([this] { editor_.fillLpdClicked(); }); });
    if (editor_.canFillPmr())
        menu.addAction(tr("Fill PMR Channels…"), this,
                       [this] { operate([this] { editor_.fillPmrClicked(); }); });
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
