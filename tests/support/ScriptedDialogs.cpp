#include "support/ScriptedDialogs.h"

namespace kvr27::test {

namespace {
template <typename T>
std::optional<T> takeNext(std::deque<std::optional<T>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}
} // namespace

std::optional<std::string> ScriptedDialogs::chooseFileToOpen(const std::string& filter, const std::string& offeredName)
{
    filtersAsked.push_back(filter);
    namesOffered.push_back(offeredName);
    return takeNext(openAnswers);
}

std::optional<std::string> ScriptedDialogs::chooseFileToSave(const std::string& filter, const std::string& offeredName)
{
    filtersAsked.push_back(filter);
    namesOffered.push_back(offeredName);
    return takeNext(saveAnswers);
}

std::optional<PrintSetup> ScriptedDialogs::printSetup()
{
    return takeNext(printAnswers);
}

} // namespace kvr27::test
