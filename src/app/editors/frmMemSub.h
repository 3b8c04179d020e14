#pragma once
// The one-channel dialog: shows the ChannelDialogEditor's form and hands its
// controls' events to it. Created on the grid's double-click, loaded afresh each
// time, modal over the channel grid and destroyed on closing.
#include "app/editors/FormBinding.h"
#include "commands/ChannelDialogEditor.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace kvr27::app {

class ElidedLabel;

class frmMemSub : public QDialog {
    Q_OBJECT

public:
    // Loads the channel of the grid's current row (with the mode the model forces),
    // or, given several channels, the fields they share ("Edit Selected Channels…").
    frmMemSub(AppState& state, MessageSink& messages, QWidget* parent = nullptr, ChannelSelection several = {});

    // 0 "OK" (the default button, so Enter is OK): stores the channel and closes
    // when no needed field is blank, else gives the first blank box the focus;
    // 1 "Cancel": closes without storing. The close box stores nothing either.
    void Command1_Click(int index);

    std::array<QPushButton*, 2> Command1{};
    // Says when the write would leave the channel out for its frequency; empty
    // otherwise.
    ElidedLabel* lblRange = nullptr;

private:
    void render();

    ChannelDialogEditor editor_;
    FormBinding<ChannelDialogForm, ChannelDialogEditor, DialogText, DialogList, DialogOption> binding_;
};

} // namespace kvr27::app
