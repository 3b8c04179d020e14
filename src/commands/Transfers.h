#pragma once
// The four transfers over AppState, as the windows use them. Each returns "0" on
// success or "-1" after its one message, shows its progress in the target's status
// bar and marks a transfer as running while it lasts. They run the transfers of
// ImageTransfers on AppState::Image with COM option ComIndex + 1, and keep how they
// ended in AppState::Link.LastTransfer.
#include "commands/AppState.h"
#include "link/ImageTransfers.h"
#include "link/LinkServices.h"

#include <string>

namespace kvr27 {

// ReadVfoSettings.
std::string ReadVfoMode(AppState& state, LinkServices& services, ProgressTarget target);

// ReadChannels.
std::string ReadMemoryMode(AppState& state, LinkServices& services, ProgressTarget target);

// The writes read back what they sent (VerifyWrittenBlocks) when
// AppState::Safeguards.VerifyAfterWrite is set, after their own exchanges and
// messages; a difference or a read-back that cannot finish gives "-1".

// WriteVfoSettings from the VFO window's form state AppState::Vfo.
std::string WriteVfoMode(AppState& state, LinkServices& services, ProgressTarget target);

// WriteChannels.
std::string WriteMemoryMode(AppState& state, LinkServices& services, ProgressTarget target);

} // namespace kvr27
