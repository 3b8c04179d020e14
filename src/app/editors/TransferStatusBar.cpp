#include "app/editors/TransferStatusBar.h"

#include "app/editors/ElidedLabel.h"
#include "commands/CommandNote.h"
#include "link/ImageTransfers.h"
#include "link/TransferOutcome.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>

#include <algorithm>

namespace kvr27::app {

namespace {

ElidedLabel* AddLine(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* line = new ElidedLabel(parent);
    line->setObjectName(QLatin1String(name));
    line->setAccessibleName(accessibleName);
    return line;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

TransferStatusBar::TransferStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    // One room, whose height does not change, for what the bar shows at a time.
    room_ = new QWidget(this);
    auto* room = room_;
    pages_ = new QStackedLayout(room);

    // The progress bar carries the progress text, so the text has the whole width
    // but for Cancel.
    progressArea_ = new QWidget(room);
    auto* progressLine = new QHBoxLayout(progressArea_);
    const int margin = fontMetrics().height() / 4;
    progressLine->setContentsMargins(0, margin, 0, 0);
    progress_ = new QProgressBar(progressArea_);
    progress_->setObjectName(QStringLiteral("StatusBar1_Progress"));
    progress_->setRange(0, 100);
    progress_->setAlignment(Qt::AlignCenter);
    progress_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    cancel_ = new QPushButton(tr("Cancel"), progressArea_);
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
    progressLine->setAlignment(Qt::AlignTop);
    pages_->addWidget(progressArea_);

    panel_ = AddLine(room, "StatusBar1_Panel1", tr("Status"));
    panel_->setAlignment(Qt::AlignCenter);
    pages_->addWidget(panel_);
    // The cause of a failure and the files a command left.
    note_ = AddLine(room, "StatusBar1_Note", tr("Last command"));
    note_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    pages_->addWidget(note_);
    setLines(3);
    showCurrent();
    addWidget(room, 1);
}

void TransferStatusBar::setLines(int lines)
{
    panel_->setMaxLines(lines);
    note_->setMaxLines(lines);
    // The room's height is set, not left to the pages shown and hidden.
    const int progressRow = std::max(progress_->sizeHint().height(), cancel_->sizeHint().height())
                            + fontMetrics().height() / 4;
    room_->setFixedHeight(std::max(progressRow, note_->sizeHint().height()));
    reformat(); // the bar takes the new height at once, also while its window is hidden
}

void TransferStatusBar::showCurrent()
{
    // A status text says what is happening now; the progress bar stands for the
    // progress texts, which are not kept in the panel.
    QWidget* shown = !panel_->text().isEmpty() ? static_cast<QWidget*>(panel_)
                     : progressShown_         ? progressArea_
                                              : note_;
    pages_->setCurrentWidget(shown);
}

void TransferStatusBar::setText(const QString& text)
{
    text_ = text;
    const auto percent = ProgressPercent(text.toStdString());
    if (percent && running_) {
        // A progress text ends in "%": no placeholder of the bar's format (%p, %v, %m).
        progress_->setFormat(text);
        progress_->setValue(*percent);
        progressShown_ = true;
    }
    panel_->setFullText(percent && running_ ? QString() : text);
    showCurrent();
}

QString TransferStatusBar::text() const
{
    return text_;
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
    cancel_->setToolTip(read ? QString() : tr(WriteNotCancellable));
}

void TransferStatusBar::endTransfer(const CommandReport& report)
{
    running_ = false;
    progressShown_ = false;
    link_ = nullptr;
    const QString note = QString::fromStdString(CommandNote(report, NoteFiles::NamesOnly));
    // A status text that the note says already (the port's problem) is not said twice.
    panel_->setFullText(!text_.isEmpty() && note.contains(text_) ? QString() : text_);
    note_->setFullText(note, QString::fromStdString(CommandNote(report)));
    const bool ok = !report.Transfer || report.Transfer->Result.ok()
                    || report.Transfer->Result.Fault == LinkFault::Cancelled;
    SetTextColour(note_, ok ? QColor(0x1b, 0x5e, 0x20) : QColor(0xb7, 0x1c, 0x1c));
    showCurrent();
}

void TransferStatusBar::clearNote()
{
    note_->setFullText({});
    showCurrent();
}

QString TransferStatusBar::noteText() const
{
    return note_->text();
}

} // namespace kvr27::app
