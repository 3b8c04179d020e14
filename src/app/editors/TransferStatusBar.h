#pragma once
// The status bar of every window that runs transfers: the status text (its one
// panel, shortened with an ellipsis when long), a short-lived note of how the last
// transfer ended (wrapped onto a second line when long), and, while a transfer runs, a progress bar with a Cancel button
// that only reads offer.
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
    // How long a note stays.
    static constexpr int NoteMilliseconds = 10000;
    // The disabled Cancel's tooltip during a write.
    static constexpr const char* WriteNotCancellable =
        "A write cannot be cancelled: the radio would be left half written.";

    explicit TransferStatusBar(QWidget* parent);

    // The status text; a progress text ("... 33%") also moves the progress bar and
    // shows it with the Cancel button.
    void setText(const QString& text);
    QString text() const;

    // A transfer command of `kind` starts on `link`: Cancel (enabled for reads) asks
    // the read to stop through link.CancelRequested.
    void beginTransfer(LinkState& link, TransferKind kind);
    // The command has ended: the progress bar and Cancel go, its note (CommandNote:
    // the outcome if a transfer ran, the backup and trace files) shows for
    // NoteMilliseconds.
    void endTransfer(const LinkState& link);
    // The note's text ("" when none is shown).
    QString noteText() const;

private:
    ElidedLabel* panel_;
    ElidedLabel* note_;
    QWidget* progressArea_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QTimer* noteTimer_;
    LinkState* link_ = nullptr;
    bool running_ = false;
};

} // namespace kvr27::app
