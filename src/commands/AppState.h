#pragma once
// The process-wide state: created once at program start and passed by reference to
// whoever needs it, so that each test can make its own fresh copy.
#include "commands/DocumentHistory.h"
#include "image/ChannelGrid.h"
#include "image/RadioImage.h"
#include "image/VfoForm.h"
#include "link/LinkState.h"

#include <filesystem>

namespace kvr27 {

// The Data menu's safeguards around transfers, as every run of the program starts.
struct TransferSafeguards {
    bool VerifyAfterWrite = true;  // read back what a write sent and compare it
    bool BackupBeforeWrite = true; // save the radio's contents before a write sends anything
    bool TraceExchanges = false;   // keep every exchange of a command in a trace file
};

struct AppState {
    RadioImage Image;
    DocumentHistory History; // the image's steps and its clean point (commands/Document.h)
    VfoForm Vfo;          // the VFO window's form state (kept while the window is hidden)
    ChannelGrid Grid;     // the channel window's grid
    LinkState Link;
    int ComIndex = 0;     // selected COM option of the main window, 0 = COM1 .. 4 = COM5
    bool TransferRunning = false; // every command of the windows is refused while set
    TransferSafeguards Safeguards;
    // Data > Fast Transfer, kvr27 --fast: each exchange ends once its answer is
    // whole (LinkSession::Fast).
    bool FastTransfer = false;
    // Data > Review before Write, kvr27 write --review: every write reads the radio
    // first and shows what it changes. Data > Write Changed Blocks Only, kvr27 write
    // --changed-only: after such a read only the blocks that differ are sent.
    bool ReviewBeforeWrite = false;
    bool ChangedBlocksOnly = false;
    // The user's data folder: backups/ and traces/ are kept there.
    std::filesystem::path DataFolder;
};

// The start window's OK, without its windows: the model's start-up values for the
// whole image, the model-restricted controls disabled, the VFO form filled and the
// grid set up and refreshed, a new history begun.
void StartWithModel(AppState& state, int option);

} // namespace kvr27
