#pragma once
// The differences window: what differs between two sets of settings, one line each
// in the windows' words, below their count and which side is which. One window of
// the main window shows the comparisons; a review before a write shows it modally
// with "Write" and "Cancel".
#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace kvr27::app {

class frmDifferences : public QDialog {
    Q_OBJECT

public:
    // `review`: "Write" and "Cancel" (accepted on Write); else "Close".
    frmDifferences(const std::string& modelName, bool review, QWidget* parent);

    // Shows `lines`, their count, and `sides` ("Each line: the radio → this document").
    void showLines(const std::vector<std::string>& lines, const QString& sides);

    QLabel* lblCount;
    QLabel* lblSides;
    QListWidget* lstDifferences;
    QPushButton* cmdWrite = nullptr; // review only
    QPushButton* cmdClose;           // "Cancel" in a review
};

// The review of a write, modal over `parent` (RadioCommandOptions::Review): true on
// "Write".
std::function<bool(const std::vector<std::string>&)> ReviewInWindow(QWidget* parent, const std::string& modelName);

} // namespace kvr27::app
