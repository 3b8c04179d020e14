#pragma once
// A MessageSink for tests: records every notice and question, and answers the
// questions from a script (OK when the script has run out).
#include "core/MessageSink.h"

#include <deque>
#include <string>
#include <vector>

namespace kvr27::test {

struct ShownMessage {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    bool question = false;
    std::string detail = {}; // the informative text below the message
    bool operator==(const ShownMessage&) const = default;
};

class RecordingMessageSink : public MessageSink {
public:
    void notify(const std::string& text, MessageIcon icon = MessageIcon::None, const std::string& detail = {}) override
    {
        shown.push_back({text, icon, false, detail});
    }
    bool ask(const std::string& text, const std::string& detail = {}) override
    {
        shown.push_back({text, MessageIcon::None, true, detail});
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }

    std::vector<ShownMessage> shown;
    std::deque<bool> answers; // next answers to questions; true = OK

    // The texts shown, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const auto& m : shown)
            result.push_back(m.text);
        return result;
    }
};

} // namespace kvr27::test
