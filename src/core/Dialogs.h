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
    // The open and save dialogs of the main window's file commands. Both offer the
    // last file name chosen in either of them and remember the new choice; an
    // existing file is chosen for saving without a question. `filter` has the form
    // "Norvik R-27 Clone Files (*.r27)|*.r27|".
    std::optional<std::string> openFile(const std::string& filter);
    std::optional<std::string> saveFile(const std::string& filter);
    // The name the next file dialog offers (empty until a file was chosen).
    const std::string& lastFileName() const { return lastFileName_; }

    virtual std::optional<PrintSetup> printSetup() = 0;

protected:
    // The platform's dialogs, showing `offeredName` as the initial choice.
    virtual std::optional<std::string> chooseFileToOpen(const std::string& filter, const std::string& offeredName) = 0;
    virtual std::optional<std::string> chooseFileToSave(const std::string& filter, const std::string& offeredName) = 0;

private:
    std::string lastFileName_;
};

} // namespace kvr27
