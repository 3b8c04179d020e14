#pragma once
// The four transfers between the radio and a radio image, for any caller (the
// windows through Transfers, the command-line tool directly). Each shows its
// messages and its progress through the session's services and says how it ended.
#include "image/RadioImage.h"
#include "image/VfoForm.h"
#include "link/BlockExchange.h"
#include "link/LinkResult.h"
#include "link/WriteVerification.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvr27 {

inline constexpr const char* LeftOutMessage = "The thing besides the range is not written in.";

// A progress text: the step's words, seven blanks, the percentage and "%".
std::string ProgressText(std::string_view words, int percent);
// The percentage at the end of a progress text, or nothing for another text.
std::optional<int> ProgressPercent(std::string_view text);

// Reads end as Cancelled, silently, before the next exchange once
// session.State.CancelRequested is set; writes never stop for it.

// Reads the VFO blocks into VfoSettings (all fields but CurrentChannel and
// ExtraBytes), all or nothing; only ModelCode changes on failure. A radio of
// another model than image.ModelName is refused after ModelMismatchMessage.
LinkResult ReadVfoSettings(RadioImage& image, LinkSession& session, ProgressTarget target);

// Reads the 100 channel blocks, the bitmap and the current channel into the
// channel table, all or nothing; only ModelCode changes on failure.
LinkResult ReadChannels(RadioImage& image, LinkSession& session, ProgressTarget target);

// What a write did besides its exchanges: the writes the radio acknowledged (for
// VerifyWrittenBlocks) and the number of channels left out for their frequency.
struct WriteRecord {
    SentBlocks Sent;
    int LeftOut = 0;
};

// Writes the VFO form's values as they stand when the write begins (the window's
// events go on during the exchanges, so later changes to `form` are not sent):
// "Editing incomplete. Check blank columns." for a blank box; the range check of
// its frequency (one outside the range is emptied in `form`); then the values are
// collected into the image's VfoSettings (CollectVfoWindow) and sent with the
// radio's own current channel byte (715h). Each write the radio acknowledged is
// added to `record` when given; the same holds for WriteChannels.
LinkResult WriteVfoSettings(RadioImage& image, VfoForm& form, LinkSession& session, ProgressTarget target,
                            WriteRecord* record = nullptr);

// Writes the bitmap, every enabled channel and the current channel. Channels whose
// frequency is outside the model's range are left out of this write (and stay
// enabled in the image), followed by LeftOutMessage; `record` counts them.
// CurrentChannel becomes the first channel written, or 0.
LinkResult WriteChannels(RadioImage& image, LinkSession& session, ProgressTarget target,
                         WriteRecord* record = nullptr);

} // namespace kvr27
