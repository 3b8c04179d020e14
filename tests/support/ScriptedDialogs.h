#pragma once
// Dialogs for tests: each call takes the next scripted answer (nothing = Cancel)
// and records the filter it was asked with.
#include "core/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kvr27::test {

class ScriptedDialogs : public Dialogs {
public:
    std::optional<std::string> openFile(const std::string& filter) override;
    std::optional<std::string> saveFile(const std::string& filter) override;
    std::optional<PrintSetup> printSetup() override;

    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<PrintSetup>> printAnswers;
    std::vector<std::string> filtersAsked;
};

} // namespace kvr27::test
