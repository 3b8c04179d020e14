#include "app/editors/TransferStatusBar.h"

#include "app/editors/ElidedLabel.h"
#include "commands/CommandNote.h"
#include "link/ImageTransfers.h"
#include "link/TransferOutcome.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace kvr27::app {

namespace {

ElidedLabel* AddLine(QWidget* parent, QLayout* layout, const char* name, const char* accessibleName, int maxLines)
{
    auto* line = new ElidedLabel(parent);
    line->setObjectName(QLatin1String(name));
    line->setAccessibleName(QLatin1String(accessibleName));
    line->setMaxLines(maxLines);
    line->setVisible(false);
    layout->addWidget(line);
    return line;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Shows `text` on `line`, which takes no room while empty.
void ShowLine(ElidedLabel* line, const QString& text, const QString& whole = {})
{
    line->setFullText(text, whole);
    line->setVisible(!text.isEmpty());
}

} // namespace

TransferStatusBar::TransferStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    auto* lines = new QWidget(this);
    auto* layout = new QVBoxLayout(lines);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(fontMetrics().height() / 4);

    // The progress bar carries the progress text, so the text has the whole width
    // but for Cancel.
    progressArea_ = new QWidget(lines);
    auto* progressLine = new QHBoxLayout(progressArea_);
    const int margin = fontMetrics().height() / 4;
    progressLine->setContentsMargins(0, margin, 0, 0);
    progress_ = new QProgressBar(progressArea_);
    progress_->setObjectName(QStringLiteral("StatusBar1_Progress"));
    progress_->setRange(0, 100);
    progress_->setAlignment(Qt::AlignCenter);
    progress_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), progressArea_);
    cancel_->setObjectName(QStringLiteral("StatusBar1_Cancel"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (link_ && running_)
            link_->CancelRequested = true;
        cancel_->setEnabled(false);
    });
    // Escape is Cancel while Cancel can be pressed (shown, and enabled: a read).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), cancel_, cancel_, &QPushButton::click,
                                 Qt::WindowShortcut);
    escape->setObjectName(QStringLiteral("StatusBar1_Escape"));
    progressLine->addWidget(progress_, 1);
    progressLine->addWidget(cancel_);
    progressArea_->setVisible(false);
    layout->addWidget(progressArea_);

    panel_ = AddLine(lines, layout, "StatusBar1_Panel1", "Status", 4);
    panel_->setAlignment(Qt::AlignCenter);
    remark_ = AddLine(lines, layout, "StatusBar1_Remark", "Remark", 4);
    remark_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    SetTextColour(remark_, QColor(0x8a, 0x4b, 0x00));
    // Room for the cause of a failure and the files a command left.
    note_ = AddLine(lines, layout, "StatusBar1_Note", "Last command", 6);
    note_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    addWidget(lines, 1);

    noteTimer_ = new QTimer(this);
    noteTimer_->setObjectName(QStringLiteral("StatusBar1_NoteTimer"));
    noteTimer_->setSingleShot(true);
    connect(noteTimer_, &QTimer::timeout, this, &TransferStatusBar::clearNote);
}

void TransferStatusBar::setText(const QString& text)
{
    text_ = text;
    const auto percent = ProgressPercent(text.toStdString());
    if (percent && running_) {
        // A progress text ends in "%": no placeholder of the bar's format (%p, %v, %m).
        progress_->setFormat(text);
        progress_->setValue(*percent);
        progressArea_->setVisible(true);
    }
    ShowLine(panel_, percent && running_ ? QString() : text);
}

QString TransferStatusBar::text() const
{
    return text_;
}

void TransferStatusBar::setRemark(const QString& text)
{
    ShowLine(remark_, text);
    reformat(); // the bar's height follows at once, also while its window is hidden
}

QString TransferStatusBar::remark() const
{
    return remark_->text();
}

void TransferStatusBar::beginTransfer(LinkState& link, TransferKind kind)
{
    link_ = &link;
    running_ = true;
    clearNote();
    progress_->setValue(0);
    progress_->setFormat({});
    const bool read = kind == TransferKind::Read;
    cancel_->setEnabled(read);
    cancel_->setToolTip(read ? QString() : QString::fromLatin1(WriteNotCancellable));
}

void TransferStatusBar::endTransfer(const CommandReport& report)
{
    running_ = false;
    link_ = nullptr;
    progressArea_->setVisible(false);
    const QString note = QString::fromStdString(CommandNote(report, NoteFiles::NamesOnly));
    // A status text that the note says already (the port's problem) is not said twice.
    ShowLine(panel_, !text_.isEmpty() && note.contains(text_) ? QString() : text_);
    if (note.isEmpty())
        return;
    ShowLine(note_, note, QString::fromStdString(CommandNote(report)));
    const bool ok = !report.Transfer || report.Transfer->Result.ok()
                    || report.Transfer->Result.Fault == LinkFault::Cancelled;
    SetTextColour(note_, ok ? QColor(0x1b, 0x5e, 0x20) : QColor(0xb7, 0x1c, 0x1c));
    // A failure's note holds its cause: it stays until the next command.
    if (ok)
        noteTimer_->start(NoteMilliseconds);
}

void TransferStatusBar::clearNote()
{
    noteTimer_->stop();
    ShowLine(note_, {});
}

QString TransferStatusBar::noteText() const
{
    return note_->text();
}

} // namespace kvr27::app
