#pragma once
// Dialogs for tests: each call takes the next scripted answer (nothing = Cancel)
// and records the filter it was asked with and the file name it offered.
#include "core/Dialogs.h"
#include "core/PathText.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kvr27::test {

class ScriptedDialogs : public Dialogs {
public:
    std::optional<PrintSetup> printSetup() override { return takeNext(printAnswers); }

    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<PrintSetup>> printAnswers;
    std::vector<std::string> filtersAsked;
    std::vector<std::string> namesOffered;

protected:
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& filter,
                                                          const std::filesystem::path& offeredName) override
    {
        return choose(filter, offeredName, openAnswers);
    }
    std::optional<std::filesystem::path> chooseFileToSave(const std::string& filter,
                                                          const std::filesystem::path& offeredName) override
    {
        return choose(filter, offeredName, saveAnswers);
    }

private:
    std::optional<std::filesystem::path> choose(const std::string& filter, const std::filesystem::path& offeredName,
                                                std::deque<std::optional<std::string>>& answers)
    {
        filtersAsked.push_back(filter);
        namesOffered.push_back(Utf8FromPath(offeredName));
        const auto answer = takeNext(answers);
        return answer ? std::optional(PathFromUtf8(*answer)) : std::nullopt;
    }

    template <typename T>
    static std::optional<T> takeNext(std::deque<std::optional<T>>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace kvr27::test
