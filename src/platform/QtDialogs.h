#pragma once
// The file and printer dialogs of the program: QFileDialog and QPrintDialog behind
// the core's Dialogs seam.
#include "core/Dialogs.h"

#include <memory>

class QPrinter;

namespace kvr27 {

class QtDialogs : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;

    std::optional<PrintSetup> printSetup() override;

    // The printer the user chose in the last printer dialog (created on first use),
    // for the report to be printed on.
    QPrinter& printer();

protected:
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& filter,
                                                          const std::filesystem::path& offeredName) override;
    std::optional<std::filesystem::path> chooseFileToSave(const std::string& filter,
                                                          const std::filesystem::path& offeredName) override;

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace kvr27
