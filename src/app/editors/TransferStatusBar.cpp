#include "app/editors/TransferStatusBar.h"

#include "app/editors/ElidedLabel.h"
#include "link/ImageTransfers.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace kvr27::app {

TransferStatusBar::TransferStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    panel_ = new ElidedLabel(this);
    panel_->setObjectName(QStringLiteral("StatusBar1_Panel1"));
    panel_->setAlignment(Qt::AlignCenter);
    panel_->setAccessibleName(QStringLiteral("Status"));
    addWidget(panel_, 1);
    panel_->setVisible(false);
    note_ = new ElidedLabel(this);
    note_->setObjectName(QStringLiteral("StatusBar1_Note"));
    note_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    note_->setAccessibleName(QStringLiteral("Last transfer"));
    note_->setMaxLines(2); // room for the cause of a failure
    addWidget(note_, 2);

    // The progress bar and Cancel sit inside the bar with a margin; the status text
    // already shows the percentage, so the bar shows none.
    progressArea_ = new QWidget(this);
    auto* layout = new QHBoxLayout(progressArea_);
    const int margin = fontMetrics().height() / 4;
    layout->setContentsMargins(margin, margin, margin, margin);
    progress_ = new QProgressBar(progressArea_);
    progress_->setObjectName(QStringLiteral("StatusBar1_Progress"));
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);
    progress_->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    progress_->setVisible(false);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), progressArea_);
    cancel_->setObjectName(QStringLiteral("StatusBar1_Cancel"));
    cancel_->setAutoDefault(false);
    cancel_->setVisible(false);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (link_ && running_)
            link_->CancelRequested = true;
        cancel_->setEnabled(false);
    });
    layout->addWidget(progress_);
    layout->addWidget(cancel_);
    addPermanentWidget(progressArea_);

    noteTimer_ = new QTimer(this);
    noteTimer_->setSingleShot(true);
    connect(noteTimer_, &QTimer::timeout, this, [this] { note_->setFullText({}); });
}

void TransferStatusBar::setText(const QString& text)
{
    panel_->setFullText(text);
    // An empty status text leaves its room to the note, so a failure's cause fits.
    panel_->setVisible(!text.isEmpty());
    if (const auto percent = ProgressPercent(text.toStdString()); percent && running_) {
        progress_->setValue(*percent);
        progress_->setVisible(true);
        cancel_->setVisible(true);
    }
}

QString TransferStatusBar::text() const
{
    return panel_->text();
}

void TransferStatusBar::beginTransfer(LinkState& link, TransferKind kind)
{
    link_ = &link;
    running_ = true;
    noteTimer_->stop();
    note_->setFullText({});
    progress_->setValue(0);
    const bool read = kind == TransferKind::Read;
    cancel_->setEnabled(read);
    cancel_->setToolTip(read ? QString() : QString::fromLatin1(WriteNotCancellable));
}

void TransferStatusBar::endTransfer(const LinkState& link)
{
    running_ = false;
    link_ = nullptr;
    progress_->setVisible(false);
    cancel_->setVisible(false);
    const std::string note = CommandNote(link);
    if (note.empty())
        return;
    note_->setFullText(QString::fromStdString(note));
    const bool ok = !link.LastTransfer || link.LastTransfer->Result.ok();
    QPalette palette = note_->palette();
    palette.setColor(QPalette::WindowText, ok ? QColor(0x1b, 0x5e, 0x20) : QColor(0xb7, 0x1c, 0x1c));
    note_->setPalette(palette);
    noteTimer_->start(NoteMilliseconds);
}

QString TransferStatusBar::noteText() const
{
    return note_->text();
}

} // namespace kvr27::app
