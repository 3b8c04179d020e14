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

    std::optional<std::string> openFile(const std::string& filter) override;
    std::optional<std::string> saveFile(const std::string& filter) override;
    std::optional<PrintSetup> printSetup() override;

    // The printer the user chose in the last printer dialog (created on first use),
    // for the report to be printed on.
    QPrinter& printer();

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace kvr27
