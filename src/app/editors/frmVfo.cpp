#include "app/editors/frmVfo.h"

#include "app/editors/DocumentUndoActions.h"
#include "app/editors/ElidedLabel.h"
#include "app/editors/TransferStatusBar.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kvr27::app {

namespace {

constexpr std::array<const char*, 4> ButtonCaptions = {
    QT_TRANSLATE_NOOP("Controls", "Read Setting"), QT_TRANSLATE_NOOP("Controls", "Write Setting"),
    QT_TRANSLATE_NOOP("Controls", "OK"), QT_TRANSLATE_NOOP("Controls", "Cancel")};

// Places frames side by side in a row of the window's four columns.
void AddRow(QGridLayout* grid, std::initializer_list<QGroupBox*> frames)
{
    const int row = grid->rowCount();
    int col = 0;
    for (QGroupBox* frame : frames)
        grid->addWidget(frame, row, col++);
}

// A control across all four columns, in a row of its own.
void AddWide(QGridLayout* grid, QWidget* widget)
{
    grid->addWidget(widget, grid->rowCount(), 0, 1, 4);
}

QLabel* MakeHeading(QWidget* parent, const char* name, const char* text)
{
    auto* label = new QLabel(QCoreApplication::translate("Controls", text), parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

frmVfo::frmVfo(const EditorContext& context, QWidget* parent)
    : EditorWindow(context, QT_TRANSLATE_NOOP("Controls", " Clone Utility(Vfo Mode)"), RadioParts::Vfo, parent), editor_(context.State, context.Messages),
      binding_(editor_, [this] { render(); })
{
    setObjectName(QStringLiteral("frmVfo"));
    // Frame1(index) inside `parent`, with the caption of the control it holds.
    auto frame = [](QWidget* parent, int index, std::string_view caption) {
        return MakeFrame(parent, QStringLiteral("Frame1_%1").arg(index), std::string(caption).c_str());
    };
    auto text = [this, frame](int index, VfoText id, const char* unit, const char* unitName, QWidget* parent = nullptr) {
        QGroupBox* f = frame(parent ? parent : this, index, VfoTextBoxes[static_cast<std::size_t>(id)].Caption);
        binding_.addTextBox(f, id, VfoTextBoxes, unit, QString::fromLatin1(unitName));
        return f;
    };
    auto list = [this, frame](int index, VfoList id, QWidget* parent = nullptr) {
        QGroupBox* f = frame(parent ? parent : this, index, VfoListBoxes[static_cast<std::size_t>(id)].Caption);
        binding_.addList(f, id, VfoListBoxes, id == VfoList::Step);
        return f;
    };
    auto options = [this, frame](int index, VfoOption id, QWidget* parent = nullptr) {
        QGroupBox* f = frame(parent ? parent : this, index, VfoOptionGroups[static_cast<std::size_t>(id)].Caption);
        binding_.addOptions(f, id, VfoOptionGroups);
        return f;
    };

    auto* layout = new QVBoxLayout(this);
    auto* rows = new QGridLayout;
    SetColumnWidths(rows, 4, Twips(this, 2295));
    AddWide(rows, MakeHeading(this, "Label3", QT_TRANSLATE_NOOP("Controls", "VFO Mode Setting")));
    AddRow(rows, {text(0, VfoText::Frequency, "(MHz)", "Label1_3"), options(1, VfoOption::KeyLock),
                   text(2, VfoText::Squelch, nullptr, nullptr)});
    AddRow(rows, {options(3, VfoOption::ToneSet), list(4, VfoList::TxTone), list(5, VfoList::RxTone)});
    AddRow(rows, {options(6, VfoOption::TxPower), text(7, VfoText::PmrFreq, "(Ch)", "Label1_2"),
                   list(8, VfoList::PmrTone)});
    // What the write would do with the frequency, said while it is typed, in the free
    // column beside the first three rows, whose room it keeps whatever it says.
    lblRange_ = MakeRangeRemark(this, 6);
    rows->addWidget(lblRange_, 1, 3, 3, 1);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    AddWide(rows, line);
    AddWide(rows, MakeHeading(this, "Label2", QT_TRANSLATE_NOOP("Controls", "Set Mode Setting")));

    AddRow(rows, {list(9, VfoList::Step), options(10, VfoOption::Shift),
                   text(11, VfoText::ShiftFreq, "(MHz)", "Label1_0"), options(12, VfoOption::Beep)});
    AddRow(rows, {list(13, VfoList::CallTone), list(14, VfoList::Tot), list(15, VfoList::Apo),
                   options(16, VfoOption::Bs)});
    AddRow(rows, {options(17, VfoOption::Bell), options(18, VfoOption::Stb), options(19, VfoOption::Bclo),
                   options(20, VfoOption::Scan)});
    AddRow(rows, {options(21, VfoOption::Skip), options(22, VfoOption::Epo), options(23, VfoOption::Lamp),
                   options(24, VfoOption::Battery)});

    QGroupBox* repeater = MakeFrame(this, QStringLiteral("Frame2"), std::string(RepeaterFrameCaption).c_str());
    binding_.control(repeater);
    auto* repeaterRow = new QGridLayout(repeater);
    SetColumnWidths(repeaterRow, 4, Twips(this, 2295));
    AddRow(repeaterRow, {options(25, VfoOption::RptShift, repeater),
                         text(26, VfoText::RptShiftFreq, "(MHz)", "Label1_1", repeater),
                         options(27, VfoOption::RptTone, repeater), list(28, VfoList::RptTone, repeater)});
    AddWide(rows, repeater);
    // The frames scroll when the screen is lower (or narrower) than they are; the
    // buttons and the status bar below them stay in sight.
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("VfoFrames"));
    content->setLayout(rows);
    rows->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("VfoScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content);
    layout->addWidget(scroll_, 1);

    auto* buttons = new QHBoxLayout;
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
        Command1[index] = addCommand(index, ButtonCaptions[index],
                                     index == 3 ? CommandKind::DropsEdits : CommandKind::TakesEdits);
        buttons->addWidget(Command1[index]);
    }
    // Enter confirms as OK does.
    Command1[2]->setDefault(true);
    layout->addSpacing(Twips(this, 240));
    layout->addLayout(buttons);
    layout->addWidget(statusBar());
    undoActions_->watchTextBoxes(this);
    statusBar()->setLines(2);
}

void frmVfo::fitToScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect available = screen->availableGeometry();
    const QSize frames = scroll_->widget()->sizeHint();
    // What the window needs besides the frames: the buttons, the status bar, the
    // margins, and its title bar and border (an allowance of three lines). Measured
    // against the scroll area's place in the layout, which holds the least size set
    // at the last showing, so every showing comes to the same size.
    const QLayoutItem* scrolled = layout()->itemAt(layout()->indexOf(scroll_));
    const int besides = layout()->sizeHint().height() - scrolled->sizeHint().height() + 3 * fontMetrics().height();
    const int bar = scroll_->verticalScrollBar()->sizeHint().width();
    const int height = std::min(frames.height(), available.height() - besides);
    const int width = std::min(frames.width() + (height < frames.height() ? bar : 0),
                               available.width() - 2 * fontMetrics().height());
    scroll_->setMinimumSize(width, std::max(height, fontMetrics().height() * 4));
}

void frmVfo::showEvent(QShowEvent* event)
{
    fitToScreen();
    adjustSize();
    EditorWindow::showEvent(event);
}

void frmVfo::load()
{
    editor_.load();
}

void frmVfo::render()
{
    binding_.show(context_.State.Vfo);
    lblRange_->setFullText(QString::fromStdString(editor_.rangeRemark()));
}

QWidget* frmVfo::entryControls()
{
    return scroll_->widget();
}

void frmVfo::runCommand(int index)
{
    bool hide = false;
    switch (index) {
    case 2: hide = editor_.okClicked(); break;
    case 3: hide = editor_.cancelClicked(); break;
    default: break;
    }
    // OK and Cancel end with an empty status text, also when the window stays open;
    // the transfers empty it themselves.
    if (index == 2 || index == 3)
        showProgress(ProgressTarget::Editor, "");
    render();
    if (hide)
        done(index == 2 ? Accepted : Rejected);
    else if (index == 1 || index == 2)
        binding_.focusFirstBlank(); // refused for it, if there is one
}

void frmVfo::closedByCloseBox()
{
    editor_.closedByCloseBox();
}

} // namespace kvr27::app
