#include "app/editors/frmMemSub.h"

#include "app/editors/ElidedLabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvr27::app {

namespace {

// The option captions; their words are shown in the user's language.
const std::vector<std::string_view> ShiftCaptions = {QT_TRANSLATE_NOOP("Values", "None"), "+", "-"};
const std::vector<std::string_view> ToneSetCaptions = {QT_TRANSLATE_NOOP("Values", "None"), "T", "T SQ"};
const std::vector<std::string_view> OnOffCaptions = {QT_TRANSLATE_NOOP("Values", "On"), QT_TRANSLATE_NOOP("Values", "Off")};

} // namespace

frmMemSub::frmMemSub(AppState& state, MessageSink& messages, QWidget* parent, ChannelSelection several)
    : QDialog(parent), editor_(state, messages, several), binding_(editor_, [this] { render(); })
{
    setObjectName(QStringLiteral("frmMemSub"));
    setWindowTitle(QString::fromStdString(state.Image.ModelName) + tr(" Clone Utility(Memory Mode Sub)"));

    auto* frames = new QGridLayout;
    SetColumnWidths(frames, 4, Twips(this, 2295));
    auto place = [this, frames](int index, const char* caption) {
        QGroupBox* frame = MakeFrame(this, QStringLiteral("Frame1_%1").arg(index), caption);
        frames->addWidget(frame, index / 4, index % 4);
        return frame;
    };
    binding_.addTextBox(place(0, QT_TRANSLATE_NOOP("Controls", "Frequency")), DialogText::Frequency, DialogTextBoxes, "(MHz)", QStringLiteral("Label1_0"));
    binding_.addOptions(place(1, QT_TRANSLATE_NOOP("Controls", "Shift direction")), DialogOption::Shift, DialogOptionGroups, ShiftCaptions);
    binding_.addTextBox(place(2, QT_TRANSLATE_NOOP("Controls", "Offset frequency")), DialogText::ShiftFreq, DialogTextBoxes, "(MHz)",
                        QStringLiteral("Label1_1"));
    binding_.addList(place(3, QT_TRANSLATE_NOOP("Controls", "Tuning step")), DialogList::Step, DialogListBoxes, true);
    binding_.addOptions(place(4, QT_TRANSLATE_NOOP("Controls", "Tone setting")), DialogOption::ToneSet, DialogOptionGroups, ToneSetCaptions);
    binding_.addList(place(5, QT_TRANSLATE_NOOP("Controls", "TX tone freq (Encode)")), DialogList::TxTone, DialogListBoxes);
    binding_.addList(place(6, QT_TRANSLATE_NOOP("Controls", "RX tone freq (Decode)")), DialogList::RxTone, DialogListBoxes);
    binding_.addList(place(7, QT_TRANSLATE_NOOP("Controls", "Tone frequency (PMR)")), DialogList::PmrTone, DialogListBoxes);
    binding_.addOptions(place(8, QT_TRANSLATE_NOOP("Controls", "Scan skip")), DialogOption::Skip, DialogOptionGroups, OnOffCaptions);
    binding_.addOptions(place(9, QT_TRANSLATE_NOOP("Controls", "BCLO")), DialogOption::Bclo, DialogOptionGroups, OnOffCaptions);
    binding_.addOptions(place(10, QT_TRANSLATE_NOOP("Controls", "Mode")), DialogOption::Model, DialogOptionGroups, {"LPD", "PMR"});
    binding_.addTextBox(place(11, QT_TRANSLATE_NOOP("Controls", "Ch No (PMR)")), DialogText::PmrFreq, DialogTextBoxes, "(Ch)", QStringLiteral("Label1_2"));

    auto* buttons = new QHBoxLayout;
    buttons->addSpacing(Twips(this, 360));
    Command1[0] = MakeCommandButton(this, 0, QT_TRANSLATE_NOOP("Controls", "OK"));
    Command1[1] = MakeCommandButton(this, 1, QT_TRANSLATE_NOOP("Controls", "Cancel"), CommandKind::DropsEdits);
    // Enter confirms as OK does.
    Command1[0]->setDefault(true);
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
        connect(Command1[index], &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        buttons->addWidget(Command1[index]);
        buttons->addSpacing(Twips(this, 585));
    }
    buttons->addStretch(1);

    // Which channel is edited, as the grid's "No" column shows it.
    const QString number = QString::fromStdString(state.Grid.TextMatrix(state.Grid.Row, 0));
    auto* channel = new QLabel(editor_.editsSeveral()
                                   ? tr("Editing %1: blank fields stay as they are")
                                         .arg(QString::fromStdString(ChannelsInWords(several.Channels)))
                                   : tr("Channel %1").arg(number),
                               this);
    channel->setObjectName(QStringLiteral("lblChannel"));
    QFont bold = channel->font();
    bold.setBold(true);
    channel->setFont(bold);

    // What the write would do with the frequency, said while it is typed, in a room
    // kept for it, so that nothing below moves when it comes and goes.
    lblRange = MakeRangeRemark(this, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(channel);
    layout->addLayout(frames);
    layout->addWidget(lblRange);
    layout->addSpacing(Twips(this, 240));
    layout->addLayout(buttons);
    render();
}

void frmMemSub::render()
{
    binding_.show(editor_.form());
    lblRange->setFullText(QString::fromStdString(editor_.rangeRemark()));
}

void frmMemSub::Command1_Click(int index)
{
    if (index == 1) {
        done(Rejected);
        return;
    }
    FocusForCommand(Command1[0]);
    if (editor_.okClicked()) {
        done(Accepted);
        return;
    }
    render();
    binding_.focusFirstBlank(); // refused for it, if there is one
}

} // namespace kvr27::app
