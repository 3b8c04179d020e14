#pragma once
// A one-line label that never asks for the width of its text: a text longer than
// the label is shown shortened with an ellipsis, and whole in the tooltip. text()
// stays the whole text.
#include <QLabel>

namespace kvr27::app {

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // Shows `text` (shortened where needed).
    void setFullText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip();
};

} // namespace kvr27::app
