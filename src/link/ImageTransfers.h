#pragma once
// The transfers between the radio and a radio image. They work on data only (an
// image, the settings to write) and say how they ended; each shows its messages and
// its progress through the session's services. The commands build on them.
#include "core/UserText.h"
#include "image/RadioImage.h"
#include "image/VfoForm.h"
#include "link/BlockExchange.h"
#include "link/ChangedBlocks.h"
#include "link/LinkResult.h"
#include "link/WriteVerification.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27 {

inline constexpr const char* LeftOutMessage = KVR27_TEXT("Messages", "The thing besides the range is not written in.");

// A progress text: the step's words, seven blanks, the percentage and "%".
std::string ProgressText(std::string_view words, int percent);
// The percentage at the end of a progress text, or nothing for another text.
std::optional<int> ProgressPercent(std::string_view text);

// Reads end as Cancelled, silently, before the next exchange once
// session.State.CancelRequested is set; writes never stop for it.

// Reads the VFO blocks into VfoSettings (all fields but CurrentChannel and
// ExtraBytes), all or nothing; only ModelCode changes on failure. A radio of
// another model than image.ModelName is refused after ModelMismatchMessage.
// Every block read is added to `blocks` when given; the same holds for ReadChannels
// and ReadRadio.
LinkResult ReadVfoSettings(RadioImage& image, LinkSession& session, ProgressTarget target,
                           RadioBlocks* blocks = nullptr);

// Reads the 100 channel blocks, the bitmap and the current channel into the
// channel table, all or nothing; only ModelCode changes on failure.
LinkResult ReadChannels(RadioImage& image, LinkSession& session, ProgressTarget target,
                        RadioBlocks* blocks = nullptr);

// Which parts of the radio a command reads or writes: Read/Write > Vfo Mode,
// Memory Mode, All.
enum class RadioParts { Vfo, Memory, All };
inline bool HasVfo(RadioParts parts) { return parts != RadioParts::Memory; }
inline bool HasMemory(RadioParts parts) { return parts != RadioParts::Vfo; }

// Reads the VFO settings, then the channels, of `parts`; the channels are not read
// when the VFO read failed. The result of the first read that failed, or success.
LinkResult ReadRadio(RadioImage& image, LinkSession& session, RadioParts parts, ProgressTarget target,
                     RadioBlocks* blocks = nullptr);

// What a write did besides its exchanges: the writes the radio acknowledged (for
// VerifyWrittenBlocks) and the channels (0 to 99) left out for their frequency.
// With Held (the radio's blocks, just read whole) the write sends only the blocks
// the radio does not hold already; Planned counts the blocks a full write sends.
struct WriteRecord {
    SentBlocks Sent;
    std::vector<int> LeftOut;
    RadioBlocks* Held = nullptr;
    int Planned = 0;
};

// The checks of a write that need the radio, before anything is written: opens the
// port and reads the identity block (the image takes the radio's model code); then,
// for a write of `values`, the range check of their frequency against that code
// (OutOfRange after the range's message, ModelMismatch after the model's), else the
// model check (ModelMismatch after its message). Sends no write command.
LinkResult CheckRadioBeforeWrite(RadioImage& image, const VfoSettings* values, LinkSession& session,
                                 ProgressTarget target);

// Writes `values`, the VFO settings collected from the VFO window before the
// command's first exchange, into a radio that CheckRadioBeforeWrite accepted: the
// three VFO blocks with the radio's own current channel byte (715h, read first).
// `values` become the image's VfoSettings. Each write the radio acknowledged is
// added to `record` when given; the same holds for WriteChannels.
LinkResult WriteVfoSettings(RadioImage& image, const VfoSettings& values, LinkSession& session,
                            ProgressTarget target, WriteRecord* record = nullptr);

// Writes the bitmap, every enabled channel and the current channel; first the
// identity block and the model check unless `identified` (CheckRadioBeforeWrite of
// this command has just done them). Channels whose frequency is outside the model's
// range are left out of this write (and stay enabled in the image), followed by
// LeftOutMessage; `record` lists them. CurrentChannel becomes the first channel
// written, or 0.
LinkResult WriteChannels(RadioImage& image, LinkSession& session, ProgressTarget target,
                         WriteRecord* record = nullptr, bool identified = false);

} // namespace kvr27
