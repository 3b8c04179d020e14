#pragma once
// The about box: the program's name, version, description and copying notice,
// shown modally from the main window's Info menu.
#include <QDialog>

#include <string>

class QPushButton;

namespace kvr27 {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // modelName gives the title, as for every window of the program.
    explicit frmAbout(const std::string& modelName, QWidget* parent = nullptr);

    QPushButton* cmdOK;

    // Closes the box.
    void cmdOK_Click();
};

} // namespace kvr27
