#pragma once
// The seam for the file and printer dialogs: each returns the user's choice, or
// nothing when the user cancelled.
#include "core/MessageSink.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kvr27 {

enum class PageOrientation { Portrait, Landscape };

struct PrintSetup {
    PageOrientation orientation = PageOrientation::Portrait;
    int copies = 1;
};

// The extension of the filter's first pattern ("r27" for "...|*.r27|"); empty when
// the pattern has none.
std::string FilterExtension(std::string_view filter);

// `name` with `extension`: added when the last part of the name has none, put in
// place of the one it has when `replace`. An empty name stays empty.
std::string NameWithExtension(const std::string& name, std::string_view extension, bool replace);

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The open and save dialogs of the main window's file commands. Both offer the
    // last file name chosen in either of them with the extension of `filter`
    // ("radio.csv" after "radio.r27"), and remember the new choice. `filter` has the
    // form "Norvik R-27 Clone Files (*.r27)|*.r27|". The platform's save dialog asks
    // before an existing file is chosen; a name typed without the extension gets it
    // here, and when that names an existing file, `messages` asks before it is
    // taken (Cancel: nothing is chosen).
    std::optional<std::filesystem::path> openFile(const std::string& filter);
    std::optional<std::filesystem::path> saveFile(const std::string& filter, MessageSink& messages);
    // The name the next file dialog offers (empty until a file was chosen).
    const std::filesystem::path& lastFileName() const { return lastFileName_; }

    // The PDF file a print into a file offers: the last file chosen with `filter`
    // (the clone file), in its folder, with ".pdf"; empty before one was chosen.
    std::filesystem::path pdfFileName(const std::string& filter) const;

    virtual std::optional<PrintSetup> printSetup() = 0;

protected:
    // The platform's dialogs, showing `offeredName` as the initial choice; the save
    // dialog asks before it returns the name of an existing file.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const std::string& filter,
                                                                  const std::filesystem::path& offeredName) = 0;
    virtual std::optional<std::filesystem::path> chooseFileToSave(const std::string& filter,
                                                                  const std::filesystem::path& offeredName) = 0;

private:
    std::filesystem::path lastFileName_;
    std::map<std::string, std::filesystem::path> lastByExtension_; // by FilterExtension
};

} // namespace kvr27
