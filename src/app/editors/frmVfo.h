#pragma once
// The VFO settings window: shows the VFO form state (AppState::Vfo) and hands its
// controls' events to the VfoEditor. Modal over the main window, hidden by OK and
// Cancel and kept for the next opening.
#include "editors/VfoEditor.h"
#include "app/editors/EditorContext.h"
#include "app/editors/FormBinding.h"
#include "link/LinkServices.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace kvr27::app {

class frmVfo : public QDialog, public ProgressSink {
    Q_OBJECT

public:
    explicit frmVfo(const EditorContext& context, QWidget* parent = nullptr);

    // Shows the form state as it stands (the caller refills it from the image first)
    // and waits until the window is hidden.
    int showModal();
    // The same without waiting: the window is shown modal and the call returns.
    void openModal();

    // The four buttons: "Read Setting", "Write Setting", "OK", "Cancel".
    void Command1_Click(int index);

    std::array<QPushButton*, 4> Command1{};

    // A transfer's progress, in this window's status bar.
    void showProgress(ProgressTarget target, const std::string& text) override;
    // The status bar's text.
    QString statusText() const;

protected:
    // The close box (and Escape): the window is discarded without a question; the
    // next opening loads it afresh.
    void reject() override;

private:
    void prepare();
    void render();
    void setButtonsEnabled(bool enabled);

    EditorContext context_;
    AppState& state_;
    LinkServices link_;
    VfoEditor editor_;
    FormBinding<VfoForm, VfoEditor, VfoText, VfoList, VfoOption> binding_;
    QLabel* statusPanel_ = nullptr;
    bool loadPending_ = true;
};

} // namespace kvr27::app
