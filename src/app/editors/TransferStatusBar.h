#pragma once
// The status bar of every window that runs transfers: one room of a few lines,
// whose height does not change, so that nothing above the bar moves. It shows the
// status text when there is one; else, while a transfer runs, a progress bar that
// shows the progress text itself, with a Cancel button (Escape) that only reads
// offer; else the note of how the last command ended, which stays until the next
// command. A text longer than the room wraps, then is shortened, whole in the
// tooltip: it never widens the window.
#include "commands/CommandReport.h"
#include "link/LinkState.h"

#include <QStatusBar>

class QProgressBar;
class QPushButton;
class QStackedLayout;

namespace kvr27::app {

class ElidedLabel;

class TransferStatusBar : public QStatusBar {
    Q_OBJECT

public:
    // The disabled Cancel's tooltip during a write.
    static constexpr const char* WriteNotCancellable =
        QT_TRANSLATE_NOOP("kvr27::app::TransferStatusBar", "A write cannot be cancelled: the radio would be left half written.");

    explicit TransferStatusBar(QWidget* parent);

    // How many lines of text the room holds (3 unless set).
    void setLines(int lines);

    // The status text. During a transfer a progress text ("... 33%") is shown in the
    // progress bar, which it moves.
    void setText(const QString& text);
    QString text() const;

    // A transfer command of `kind` starts on `link`: the last note goes, and Cancel
    // (enabled for reads, also by Escape) asks the read to stop through
    // link.CancelRequested.
    void beginTransfer(LinkState& link, TransferKind kind);
    // The command has ended: the progress bar and Cancel go, its note (CommandNote
    // of its report: the outcome if a transfer ran, the backup and trace files by
    // name, the whole paths in the tooltip) shows until the next command.
    void endTransfer(const CommandReport& report);
    // Another command starts: the note goes.
    void clearNote();
    // The note as shown ("" when none is shown).
    QString noteText() const;

private:
    // Shows in the room what it holds now.
    void showCurrent();

    QString text_;
    ElidedLabel* panel_;
    ElidedLabel* note_;
    QWidget* room_;
    QStackedLayout* pages_;
    QWidget* progressArea_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    LinkState* link_ = nullptr;
    bool running_ = false;
    bool progressShown_ = false; // a progress text came during the transfer
};

} // namespace kvr27::app
