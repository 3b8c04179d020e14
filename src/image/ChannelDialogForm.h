#pragma once
// The one-channel dialog (frmMemSub) as plain state, and its codecs with the channel
// of the grid's current row.
#include "core/MessageSink.h"
#include "image/ChannelGrid.h"
#include "image/FormControls.h"
#include "image/FormVerdict.h"
#include "image/RadioImage.h"

#include <string>
#include <string_view>

namespace kvr27 {

struct ChannelDialogForm {
    std::string txtFrequency = "433.00000";
    std::string txtShiftFreq = "5.00000";
    std::string txtPmrFreq = "1";

    // Lists: the stored code (kept as it is when outside the list's items).
    int cboStep = NoSelection;
    int cboTxTone = NoSelection;
    int cboRxTone = NoSelection;
    int cboPmrTone = NoSelection;

    // Option groups: index of the selected option, or NoSelection.
    int optShift = NoSelection;
    int optToneSet = NoSelection;
    int optSkip = NoSelection;
    int optBclo = NoSelection;
    int optModel = NoSelection; // 0 "LPD", 1 "PMR"

    // Frames "Frame1_0".."Frame1_11", their controls, and the "(Ch)" label "Label1_2".
    EnabledStates Enabled;

    bool operator==(const ChannelDialogForm&) const = default;
};

// Enables the controls of one mode ("LPD") and disables the other's; any other text
// counts as "PMR". Frames 8, 9 and 10 are not touched.
void SetChannelDialogMode(ChannelDialogForm& form, std::string_view mode);

// Fills the dialog from the record of the grid's current row, or from VfoDefaults for
// an empty, disabled channel. Every text set passes its box's filter as a typed one
// does: a value the box refuses (PMR channel 9, a negative frequency) shows the
// filter's message and leaves the box empty, so that OK reports the blank box.
void LoadChannelDialog(const RadioImage& image, const ChannelGrid& grid, ChannelDialogForm& form,
                       MessageSink& messages);

// Stores the dialog into the record of the grid's current row (after the dialog's
// blank-field test): enables it, shows its row in the normal look and selects it.
// The dual-band model stores the chosen
// mode; its PMR-only variant marks every channel PMR. A frequency, offset or PMR channel text
// that is no number or does not fit its field is refused with NotANumberMessage and
// nothing is stored (NotANumber).
FormVerdict StoreChannelDialog(RadioImage& image, ChannelGrid& grid, const ChannelDialogForm& form,
                               MessageSink& messages);

} // namespace kvr27
