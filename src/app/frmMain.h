#pragma once
// The main window: the File, Edit, Data, Print and Info menus, the buttons that open the
// two editors or end the program, the COM port choice and the status line. Closing it
// ends the program.
#include "app/AppContext.h"
#include "app/editors/EditorContext.h"
#include "commands/CommandReport.h"
#include "core/Questions.h"
#include "link/ImageTransfers.h"
#include "link/LinkServices.h"
#include "link/TransferOutcome.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QLabel;
class QProgressBar;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace kvr27::app {
class DocumentUndoActions;
class TransferStatusBar;
class frmDifferences;
class frmMem;
class frmVfo;
} // namespace kvr27::app

namespace kvr27 {

class frmMain : public QMainWindow, public ProgressSink {
    Q_OBJECT
public:
    // The window's load: title, status line, COM option from setup.ini, no port open.
    explicit frmMain(const AppContext& context, QWidget* parent = nullptr);

    // Menu commands. Print is offered once its command exists; the Data items follow
    // setDataCommandsAvailable.
    QAction* mnuFileLode;
    QAction* mnuFileSave;
    QAction* mnuFileImport;
    QAction* mnuFileExport;
    // "Compare with File..." and Data > "Compare with Radio": the differences window.
    QAction* mnuFileCompare;
    QAction* mnuCompareRadio;
    QMenu* mnuEeprom;
    QMenu* mnuEepRead;
    QAction* mnuEepReadAll;
    QAction* mnuEepReadVfo;
    QAction* mnuEepReadMem;
    QMenu* mnuEepWrite;
    QAction* mnuEepWriteAll;
    QAction* mnuEepWriteVfo;
    QAction* mnuEepWriteMem;
    // Checkable Data menu items bound to AppState::Safeguards: "Verify after Write",
    // "Backup before Write" (both checked at start) and "Exchange Trace".
    QAction* mnuVerifyAfterWrite;
    QAction* mnuBackupBeforeWrite;
    QAction* mnuExchangeTrace;
    // "Fast Transfer" (AppState::FastTransfer), unchecked until the user checks it;
    // remembered in AppContext::UserOptionsPath.
    QAction* mnuFastTransfer;
    // "Review before Write" and "Write Changed Blocks Only" (AppState's), unchecked
    // until the user checks them; remembered as Fast Transfer is.
    QAction* mnuReviewBeforeWrite;
    QAction* mnuChangedBlocksOnly;
    // "Port...": the port window, at the end of the Data menu.
    QAction* mnuPort;
    QAction* mnuPrint;
    // The Info menu: "About" (mnuInfo), "Language..." and "Report a Problem...".
    QMenu* mnuInfoMenu;
    QAction* mnuInfo;
    QAction* mnuLanguage;
    QAction* mnuReportProblem;

    // 0 "Memory Mode Setting", 1 "VFO Mode Setting", 2 "Exit".
    std::array<QPushButton*, 3> Command1{};
    // COM1 to COM5; the checked one is AppState::ComIndex.
    std::array<QRadioButton*, 5> Option1{};
    QButtonGroup* Option1Group;
    QPushButton* Command2;
    app::TransferStatusBar* StatusBar1;

    // Enables or disables the three Command1 buttons (off while a transfer runs).
    void Command1Enabled(bool enabled);
    // Offers or withdraws the six read and write commands of the Data menu.
    void setDataCommandsAvailable(bool available);
    // The status line's one panel: transfer progress and status texts.
    void setStatusText(const QString& text);
    QString statusText() const;

    // The buttons: 0 opens the channel grid, 1 the VFO window (each refilled from the
    // radio image and shown modally), 2 closes the window.
    void Command1_Click(int index);
    // "port close": closes the serial port (refused while a transfer runs); the next
    // transfer opens it afresh, so a cable plugged in again is found.
    void Command2_Click();
    // Shows the about box modally.
    void mnuInfo_Click();
    // Asks for the windows' language and keeps it in options.ini for the next start.
    void mnuLanguage_Click();
    // Opens the problem report window modally: the files of the report (the
    // settings files, the newest traces of the data folder, the document when ticked),
    // saved as one zip archive where the user chooses.
    void mnuReportProblem_Click();
    // Prints the settings report of the VFO window and the channel grid after the
    // printer dialog (which can also print to a PDF file); silent on Cancel.
    void mnuPrint_Click();

    // The File menu's commands, through the shared file dialog.
    void mnuFileLode_Click();
    void mnuFileSave_Click();
    void mnuFileImport_Click();
    void mnuFileExport_Click();
    // The differences between the document and a clone file, or the radio read into
    // a copy (progress and Cancel as for a read), in the differences window; the
    // document stays as it is.
    void mnuFileCompare_Click();
    void mnuCompareRadio_Click();

    // The Data menu's read and write commands.
    void mnuEepReadAll_Click();
    void mnuEepReadVfo_Click();
    void mnuEepReadMem_Click();
    void mnuEepWriteAll_Click();
    void mnuEepWriteVfo_Click();
    void mnuEepWriteMem_Click();
    // Opens the port window modally; its OK keeps the assignments, and the COM
    // options' tooltips show the devices they now stand for.
    void mnuPort_Click();

    // The serial port and the answer wait this window owns, for every transfer.
    Port& linkPort() { return *port_; }
    Waiter& linkWaiter() { return *waiter_; }

    // Transfer progress in the status line, with a progress bar (and Cancel for a
    // read) beside it while a transfer runs, then a note of how it ended.
    void showProgress(ProgressTarget target, const std::string& text) override;

protected:
    // Asks before unsaved settings are lost, then keeps the COM choice in setup.ini,
    // closes the port and ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    QWidget* CreateCommandButtons();
    QWidget* CreatePortChoice();
    void CreateStatusBar();
    // The COM options' tooltips: the device each opens, assigned or found.
    void ShowPortDevices();
    void ClosePortIfOpen();
    // Runs a Data menu command with every command of the window refused meanwhile.
    void RunTransferCommand(RadioParts parts, TransferKind kind);
    // Runs a File menu command with every command of the window refused meanwhile.
    void RunFileCommand(CommandReport (*command)(AppState&, MessageSink&, Dialogs&));
    // Enables or disables the menus, the buttons and the COM options together.
    void setCommandsEnabled(bool enabled);
    // Shows the differences window (made on first use, then reused).
    void showDifferences(const std::vector<std::string>& lines, const QString& sides);
    // What the editor windows work with.
    app::EditorContext editorContext();

    AppContext context_;
    std::unique_ptr<Port> ownPort_;
    std::unique_ptr<Waiter> ownWaiter_;
    Port* port_;
    Waiter* waiter_;
    // The two editors, made on first use and kept (hidden) between uses; children of
    // this window.
    app::frmVfo* vfoWindow_ = nullptr;
    app::frmMem* memWindow_ = nullptr;
    // The Edit menu's Undo and Redo.
    app::DocumentUndoActions* undoActions_ = nullptr;
    app::frmDifferences* differences_ = nullptr;
};

} // namespace kvr27
