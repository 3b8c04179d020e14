#pragma once
// The note the windows show beside the status text after a command, and kvr27's
// account of it: how its transfers ended, then the files it left.
#include "commands/CommandReport.h"

#include <string>

namespace kvr27 {

// How a note names the files a command left: by their whole paths, or by their
// names only (a window's note, whose tooltip holds the whole one).
enum class NoteFiles { WholePaths, NamesOnly };

// TransferNote of the command's outcome (nothing when no transfer ran); after a
// write that failed, what it wrote ("nothing was written"); what a file command did
// ("Saved radio.r27"); then the backup and the trace it left, or why the trace was
// not saved.
std::string CommandNote(const CommandReport& report, NoteFiles files = NoteFiles::WholePaths);

} // namespace kvr27
