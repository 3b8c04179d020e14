#include "support/RecordingMessageSink.h"

namespace kvr27::test {

void RecordingMessageSink::notify(const std::string& text, MessageIcon icon, const std::string& detail)
{
    shown.push_back({text, icon, false, detail});
}

bool RecordingMessageSink::ask(const std::string& text, const std::string& detail)
{
    shown.push_back({text, MessageIcon::None, true, detail});
    const bool answer = answers.empty() || answers.front();
    if (!answers.empty())
        answers.pop_front();
    return answer;
}

std::vector<std::string> RecordingMessageSink::texts() const
{
    std::vector<std::string> result;
    for (const auto& m : shown)
        result.push_back(m.text);
    return result;
}

} // namespace kvr27::test
