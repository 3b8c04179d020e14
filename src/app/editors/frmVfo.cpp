#include "app/editors/frmVfo.h"

#include "app/editors/TransferStatusBar.h"

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

constexpr std::array<const char*, 4> ButtonCaptions = {"Read Setting", "Write Setting", "OK", "Cancel"};

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
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

frmVfo::frmVfo(const EditorContext& context, QWidget* parent)
    : EditorWindow(context, " Clone Utility(Vfo Mode)", parent), editor_(context.State, context.Messages),
      binding_(editor_, [this] { render(); })
{
    setObjectName(QStringLiteral("frmVfo"));
    auto frame = [this](int index, const char* caption) {
        return MakeFrame(this, QStringLiteral("Frame1_%1").arg(index), caption);
    };
    auto text = [this](QGroupBox* f, VfoText id, const char* unit = nullptr, const char* unitName = nullptr) {
        binding_.addTextBox(f, id, VfoTextBoxes, unit, QString::fromLatin1(unitName));
        return f;
    };
    auto list = [this](QGroupBox* f, VfoList id) {
        binding_.addList(f, id, VfoListBoxes, id == VfoList::Step);
        return f;
    };
    auto options = [this](QGroupBox* f, VfoOption id, std::initializer_list<const char*> captions) {
        binding_.addOptions(f, id, VfoOptionGroups, captions);
        return f;
    };

    auto* layout = new QVBoxLayout(this);
    auto* rows = new QGridLayout;
    SetColumnWidths(rows, 4, Twips(this, 2295));
    AddWide(rows, MakeHeading(this, "Label3", "VFO Mode Setting"));
    AddRow(rows, {text(frame(0, "Frequency"), VfoText::Frequency, "(MHz)", "Label1_3"),
                   options(frame(1, "Key Lock"), VfoOption::KeyLock, {"On", "Off"}),
                   text(frame(2, "Squelch Level"), VfoText::Squelch)});
    AddRow(rows, {options(frame(3, "Tone setting"), VfoOption::ToneSet, {"None", "T", "T SQ"}),
                   list(frame(4, "TX tone freq (Encode)"), VfoList::TxTone),
                   list(frame(5, "RX tone freq (Decode)"), VfoList::RxTone)});
    AddRow(rows, {options(frame(6, "Transmission Output Level"), VfoOption::TxPower, {"Hi", "Low"}),
                   text(frame(7, "Ch No (PMR)"), VfoText::PmrFreq, "(Ch)", "Label1_2"),
                   list(frame(8, "Tone frequency (PMR)"), VfoList::PmrTone)});

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    AddWide(rows, line);
    AddWide(rows, MakeHeading(this, "Label2", "Set Mode Setting"));

    AddRow(rows, {list(frame(9, "Tuning step"), VfoList::Step),
                   options(frame(10, "Shift direction"), VfoOption::Shift, {"None", "+", "-"}),
                   text(frame(11, "Offset frequency"), VfoText::ShiftFreq, "(MHz)", "Label1_0"),
                   options(frame(12, "Beeper"), VfoOption::Beep, {"On", "Off"})});
    AddRow(rows, {list(frame(13, "Call tone (Tone burst)"), VfoList::CallTone), list(frame(14, "TOT"), VfoList::Tot),
                   list(frame(15, "APO"), VfoList::Apo),
                   options(frame(16, "Battery saving"), VfoOption::Bs, {"On", "Off"})});
    AddRow(rows, {options(frame(17, "Bell"), VfoOption::Bell, {"On", "Off"}),
                   options(frame(18, "Stand-by-beep"), VfoOption::Stb, {"On", "Off"}),
                   options(frame(19, "BCLO"), VfoOption::Bclo, {"On", "Off"}),
                   options(frame(20, "Scan"), VfoOption::Scan, {"Timed", "Busy"})});
    AddRow(rows, {options(frame(21, "Scan skip"), VfoOption::Skip, {"On", "Off"}),
                   options(frame(22, "External terminal control"), VfoOption::Epo, {"On", "Off"}),
                   options(frame(23, "Lamp"), VfoOption::Lamp, {"On(5s)", "On", "Off"}),
                   options(frame(24, "Battery type"), VfoOption::Battery, {"1(AA)", "2(Li-ion)"})});

    QGroupBox* repeater = MakeFrame(this, QStringLiteral("Frame2"), "Quick Repeater Access Mode");
    binding_.control(repeater);
    auto* repeaterRow = new QGridLayout(repeater);
    SetColumnWidths(repeaterRow, 4, Twips(this, 2295));
    auto inner = [repeater](int index, const char* caption) {
        return MakeFrame(repeater, QStringLiteral("Frame1_%1").arg(index), caption);
    };
    AddRow(repeaterRow, {options(inner(25, "Shift direction"), VfoOption::RptShift, {"None", "+", "-"}),
                         text(inner(26, "Offset frequency"), VfoText::RptShiftFreq, "(MHz)", "Label1_1"),
                         options(inner(27, "Tone setting"), VfoOption::RptTone, {"On", "Off"}),
                         list(inner(28, "Tone frequency"), VfoList::RptTone)});
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
    statusBar()->setRemark(QString::fromStdString(editor_.rangeRemark()));
}

QWidget* frmVfo::entryControls()
{
    return scroll_->widget();
}

void frmVfo::runCommand(int index, LinkServices& link)
{
    bool hide = false;
    switch (index) {
    case 0: editor_.readClicked(link); break;
    case 1: editor_.writeClicked(link); break;
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
}

void frmVfo::closedByCloseBox()
{
    editor_.closedByCloseBox();
}

} // namespace kvr27::app
