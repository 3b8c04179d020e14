#pragma once
// The seam for the file and printer dialogs: each returns the user's choice, or
// nothing when the user cancelled.
#include <optional>
#include <string>

namespace kvr27 {

enum class PageOrientation { Portrait, Landscape };

struct PrintSetup {
    PageOrientation orientation = PageOrientation::Portrait;
    int copies = 1;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // filter in the form "Norvik R-27 Clone Files (*.r27)|*.r27|".
    virtual std::optional<std::string> openFile(const std::string& filter) = 0;
    virtual std::optional<std::string> saveFile(const std::string& filter) = 0;
    virtual std::optional<PrintSetup> printSetup() = 0;
};

} // namespace kvr27
