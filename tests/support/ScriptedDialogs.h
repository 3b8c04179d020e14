#pragma once
// Dialogs for tests: each call takes the next scripted answer (nothing = Cancel)
// and records the filter it was asked with and the file name it offered;
// onChoose, when set, runs while a file dialog would be up.
#include "core/Dialogs.h"
#include "core/PathText.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvr27::test {

class ScriptedDialogs : public Dialogs {
public:
    using Answers = std::deque<std::optional<std::string>>;
    std::optional<PrintSetup> printSetup() override { return takeNext(printAnswers); }

    Answers openAnswers, saveAnswers;
    std::deque<std::optional<PrintSetup>> printAnswers;
    std::vector<std::string> filtersAsked, namesOffered;
    std::function<void()> onChoose;

protected:
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& f, const std::filesystem::path& n) override { return choose(f, n, openAnswers); }
    std::optional<std::filesystem::path> chooseFileToSave(const std::string& f, const std::filesystem::path& n) override { return choose(f, n, saveAnswers); }

private:
    std::optional<std::filesystem::path> choose(const std::string& filter, const std::filesystem::path& offeredName, Answers& answers)
    {
        filtersAsked.push_back(filter);
        namesOffered.push_back(Utf8FromPath(offeredName));
        if (onChoose)
            onChoose();
        const auto answer = takeNext(answers);
        return answer ? std::optional(PathFromUtf8(*answer)) : std::nullopt;
    }
    template <typename T>
    static std::optional<T> takeNext(std::deque<std::optional<T>>& answers)
    {
        const std::optional<T> answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
};

} // namespace kvr27::test
