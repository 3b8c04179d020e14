#pragma once
// The start window: the user chooses the radio model; OK gives the radio image the
// model's start-up values and opens the main window. Closing it otherwise ends the
// program.
#include "app/AppContext.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace kvr27 {

class frmStart : public QDialog {
    Q_OBJECT
public:
    explicit frmStart(const AppContext& context, QWidget* parent = nullptr);

    // The model options, top to bottom; 3 and 4 exist but are not offered.
    std::array<QRadioButton*, 5> Option1{};
    QButtonGroup* Option1Group;
    QPushButton* Command1;

    // Sets up the image for the chosen model, shows the main window and closes.
    void Command1_Click();

private:
    AppContext context_;
};

} // namespace kvr27
