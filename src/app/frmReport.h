#pragma once
// The problem report window (Info > Report a Problem...): lists every file the report
// holds, includes the current document only when the user ticks it, and saves the
// files as one zip archive where the user chooses. Nothing is sent anywhere.
#include "commands/ProblemReport.h"
#include "core/Dialogs.h"
#include "core/MessageSink.h"
#include "core/UserText.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kvr27 {

// The save dialog's filter.
inline constexpr const char* ProblemReportFilter = KVR27_TEXT("Filters", "Problem Reports (*.zip)") "|*.zip|";

class frmReport : public QDialog {
    Q_OBJECT
public:
    // Gathers the report from `sources` (without their Document); `document` is
    // added while chkDocument is ticked.
    frmReport(ProblemReportSources sources, const RadioImage& document, MessageSink& messages, Dialogs& dialogs,
              QWidget* parent = nullptr);

    // One row per file: its name in the archive and its size.
    QTableWidget* tblFiles;
    // Off at the start: the document goes in only when the user asks.
    QCheckBox* chkDocument;
    QLabel* lblNote;
    QPushButton* cmdSave;

    // The files as listed, so what is saved is what the user saw.
    const std::vector<ReportFile>& files() const { return files_; }

    // Save...: the save dialog, then the archive; the window closes once it is saved,
    // and stays open after Cancel or a message saying why it could not be saved.
    void accept() override;

private:
    void FillFiles();

    ProblemReportSources sources_;
    const RadioImage& document_;
    MessageSink& messages_;
    Dialogs& dialogs_;
    std::vector<ReportFile> files_;
};

} // namespace kvr27
