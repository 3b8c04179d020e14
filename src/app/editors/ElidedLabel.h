#pragma once
// A label that keeps the room of maxLines lines (one unless set) whatever it shows,
// so that the controls around it never move, and never asks for the width of its
// text: a text longer than the label is wrapped at spaces onto those lines, the last
// shortened with an ellipsis where needed; a text that does not fit on one line is
// whole in the tooltip, as is a longer form of the text given with it. text() stays
// the text given.
#include <QLabel>

namespace kvr27::app {

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // Shows `text` (shortened where needed); `whole`, when it says more (whole paths
    // where the text has file names), is the tooltip.
    void setFullText(const QString& text, const QString& whole = {});
    // How many lines the label holds, shown or empty.
    void setMaxLines(int lines);
    // The lines shown at `width` pixels.
    QStringList shownLines(int width) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip();

    QString whole_;
    int maxLines_ = 1;
};

// The label "lblRange" of an editor, which says when the write would leave a
// frequency out, in a room of `lines` lines.
ElidedLabel* MakeRangeRemark(QWidget* parent, int lines);

} // namespace kvr27::app
