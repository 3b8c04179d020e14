// The channel CSV importer on any text, for every model: a refused file shows
// "File reading error." once and changes nothing; a file taken in, exported again
// and imported gives the same channels and current channel (but the PmrTone that the
// grid of a model without PMR channels does not show), and the same export.
#include "FuzzSupport.h"
#include "files/ChannelCsv.h"
#include "image/ModelRules.h"
#include "support/RecordingMessageSink.h"

using namespace kvr27;
using namespace kvr27::fuzz;

namespace {

void CheckModel(const AppState& start, std::string_view input)
{
    AppState state = start;
    test::RecordingMessageSink messages;
    if (!ImportChannelCsv(state, HoldInFile(input), messages).ok()) {
        RequireCleanRefusal(state, start, messages.texts());
        return;
    }
    const bool stepped = state.History.undoable()->Name.starts_with("Import channels from ");
    Require(messages.shown.empty() && stepped == !(state.Image == start.Image),
            "import taken in with a message or not as one step");

    const std::string exported = ChannelCsvText(state.Image, state.Grid);
    AppState again = state;
    Require(ImportChannelCsv(again, HoldInFile(exported), messages).ok(), "exported file refused");
    // A model without PMR channels shows "--" for PmrTone, which imports as the default.
    RadioImage expected = state.Image;
    for (ChannelRecord& record : expected.Channels)
        if (record.Enabled && !HasPmrChannels(expected.ModelName))
            record.PmrTone = expected.Defaults.PmrTone;
    Require(ImageDifference(again.Image, expected).empty(), "exported file imports to another image");
    Require(ChannelCsvText(again.Image, again.Grid) == exported, "second export differs from the first");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckEveryModel(data, size, CheckModel);
    return 0;
}
