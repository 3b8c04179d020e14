// The clone-file loader on any text, for every model: a refused file shows
// "File reading error." once and changes nothing; a file taken in saves back to a
// text that loads to the same image, with no load rule replacing anything.
#include "FuzzSupport.h"
#include "support/RecordingMessageSink.h"

using namespace kvr27;
using namespace kvr27::fuzz;

namespace {

void CheckModel(const AppState& start, std::string_view input)
{
    AppState state = start;
    test::RecordingMessageSink messages;
    if (!LoadCloneFile(state, HoldInFile(input), messages).ok()) {
        RequireCleanRefusal(state, start, messages.texts());
        return;
    }
    Require(!state.History.unsaved(), "load left the settings unsaved");

    const std::string saved = CloneFileText(state.Image);
    AppState reloaded = start;
    Require(LoadCloneFile(reloaded, HoldInFile(saved), messages).ok(), "saved file refused");
    Require(StateDifference(reloaded, state).empty(), "saved file loads to another state");

    CloneFileContent content;
    std::vector<CloneFileReplacement> replaced;
    Require(ParseCloneFile(saved, start.Image.Defaults, content, &replaced).ok() && replaced.empty(),
            "saved file does not parse, or a load rule replaced a saved value");
    Require(CloneFileText(reloaded.Image) == saved, "second save differs from the first");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckEveryModel(data, size, CheckModel);
    return 0;
}
