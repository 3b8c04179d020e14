#pragma once
// The status bar of every window that runs transfers, as lines that wrap rather
// than widen the window: while a transfer runs, a progress bar that shows the
// progress text itself, with a Cancel button (Escape) that only reads offer; the
// status text; a remark about the window's values; and the note of how the last
// command ended, which stays until the next command after a failure.
#include "commands/CommandReport.h"
#include "link/LinkState.h"

#include <QStatusBar>

class QProgressBar;
class QPushButton;
class QTimer;

namespace kvr27::app {

class ElidedLabel;

class TransferStatusBar : public QStatusBar {
    Q_OBJECT

public:
    // How long the note of a command that did not fail stays.
    static constexpr int NoteMilliseconds = 10000;
    // The disabled Cancel's tooltip during a write.
    static constexpr const char* WriteNotCancellable =
        "A write cannot be cancelled: the radio would be left half written.";

    explicit TransferStatusBar(QWidget* parent);

    // The status text. During a transfer a progress text ("... 33%") is shown in the
    // progress bar, which it moves.
    void setText(const QString& text);
    QString text() const;

    // A standing remark about a value in the window ("" for none).
    void setRemark(const QString& text);
    QString remark() const;

    // A transfer command of `kind` starts on `link`: the last note goes, and Cancel
    // (enabled for reads, also by Escape) asks the read to stop through
    // link.CancelRequested.
    void beginTransfer(LinkState& link, TransferKind kind);
    // The command has ended: the progress bar and Cancel go, its note (CommandNote
    // of its report: the outcome if a transfer ran, the backup and trace files by
    // name, the whole paths in the tooltip) shows, for NoteMilliseconds unless the
    // transfer failed.
    void endTransfer(const CommandReport& report);
    // Another command starts: the note goes.
    void clearNote();
    // The note as shown ("" when none is shown).
    QString noteText() const;

private:
    QString text_;
    ElidedLabel* panel_;
    ElidedLabel* remark_;
    ElidedLabel* note_;
    QWidget* progressArea_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QTimer* noteTimer_;
    LinkState* link_ = nullptr;
    bool running_ = false;
};

} // namespace kvr27::app
