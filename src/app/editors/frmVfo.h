#pragma once
// The VFO settings window: shows the VFO form state (AppState::Vfo) and hands its
// controls' events to the VfoEditor. Modal over the main window, hidden by OK and
// Cancel and kept for the next opening. On a screen lower than the window the
// frames scroll, while the buttons and the status bar stay in sight. An OK or
// "Write Setting" refused for a blank box gives the first blank box the focus.
#include "app/editors/EditorWindow.h"
#include "app/editors/FormBinding.h"
#include "commands/VfoEditor.h"

#include <array>

class QScrollArea;

namespace kvr27::app {

class ElidedLabel;

class frmVfo : public EditorWindow {
    Q_OBJECT

public:
    explicit frmVfo(const EditorContext& context, QWidget* parent = nullptr);

    // Command1_0 to Command1_3: "Read Setting", "Write Setting", "OK", "Cancel".
    std::array<QPushButton*, 4> Command1{};

protected:
    void load() override;
    void render() override;
    QWidget* entryControls() override;
    void runCommand(int index) override;
    void closedByCloseBox() override;
    void showEvent(QShowEvent* event) override;

private:
    // Sizes the scrolled frames to fit the window on its screen.
    void fitToScreen();

    QScrollArea* scroll_ = nullptr;
    // Says when the write would leave the VFO frequency out; empty otherwise.
    ElidedLabel* lblRange_ = nullptr;
    VfoEditor editor_;
    FormBinding<VfoForm, VfoEditor, VfoText, VfoList, VfoOption> binding_;
};

} // namespace kvr27::app
