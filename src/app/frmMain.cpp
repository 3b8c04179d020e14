#include "app/frmMain.h"

#include "app/editors/DocumentUndoActions.h"
#include "app/editors/frmDifferences.h"
#include "app/editors/frmMem.h"
#include "app/editors/TransferStatusBar.h"
#include "app/editors/frmVfo.h"
#include "app/frmAbout.h"
#include "app/frmPort.h"
#include "app/frmReport.h"
#include "image/ChannelGrid.h"
#include "image/VfoCodec.h"
#include "core/SetupIni.h"
#include "core/UserOptions.h"
#include "commands/FileMenuCommands.h"
#include "commands/RadioCommands.h"
#include "commands/RadioComparison.h"
#include "commands/TracedCommand.h"
#include "commands/ReportPages.h"
#include "platform/QtPath.h"
#include "platform/QtPort.h"
#include "core/PathText.h"
#include "core/UserText.h"
#include "platform/QtReportPrinter.h"
#include "platform/QtSystemFacts.h"
#include "platform/QtTranslations.h"
#include "platform/QtWaiter.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kvr27 {

namespace {

QAction* AddItem(QWidget* menu, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

// A checkable item that shows and sets `option`.
QAction* AddOption(QWidget* menu, const char* name, const QString& caption, bool& option)
{
    QAction* action = AddItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(option);
    QObject::connect(action, &QAction::toggled, menu, [&option](bool checked) { option = checked; });
    return action;
}

QMenu* AddMenu(QMenuBar* bar, QMenu* parent, const char* name, const QString& caption)
{
    QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

// Said after Info > Language...: the windows keep their language until then.
constexpr const char* LanguageAtNextStartMessage =
    KVR27_TEXT("Messages", "The language changes when the program is started again.");

const std::array<const char*, 3> Command1Captions = {QT_TRANSLATE_NOOP("kvr27::frmMain", "Memory Mode Setting"),
                                                     QT_TRANSLATE_NOOP("kvr27::frmMain", "VFO Mode Setting"),
                                                     QT_TRANSLATE_NOOP("kvr27::frmMain", "Exit")};

} // namespace

frmMain::frmMain(const AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      ownPort_(context.LinkPort ? nullptr : std::make_unique<QtPort>(SystemSerialDeviceLookup(context.PortAssignmentsPath))),
      ownWaiter_(context.LinkWaiter ? nullptr : std::make_unique<QtWaiter>()),
      port_(context.LinkPort ? context.LinkPort : ownPort_.get()),
      waiter_(context.LinkWaiter ? context.LinkWaiter : ownWaiter_.get())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromStdString(MessageTitle(context_.State.Image.ModelName)));

    CreateMenus();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(CreateCommandButtons(), 1);
    layout->addWidget(CreatePortChoice());
    setCentralWidget(central);
    CreateStatusBar();

    context_.State.ComIndex = ReadSetupIni(context_.SetupIniPath);
    Option1[context_.State.ComIndex]->setChecked(true);
    context_.State.Link.OpenPortNumber = NoPortOpen;
}

void frmMain::CreateMenus()
{
    // The "&" marks each caption's first letter for Alt; the caption shows without it.
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, nullptr, "mnuFile", tr("&File"));
    mnuFileLode = AddItem(file, "mnuFileLode", tr("&Load"));
    mnuFileSave = AddItem(file, "mnuFileSave", tr("&Save"));
    mnuFileImport = AddItem(file, "mnuFileImport", tr("&Import(Mem Setting)"));
    mnuFileExport = AddItem(file, "mnuFileExport", tr("&Export(Mem Setting)"));
    mnuFileCompare = AddItem(file, "mnuFileCompare", tr("&Compare with File..."));

    // Undo and Redo of the document's steps; after an undo the editors show the
    // image again when they are next opened.
    QMenu* edit = AddMenu(bar, nullptr, "mnuEdit", tr("&Edit"));
    undoActions_ = new app::DocumentUndoActions(context_.State, this, [] {});
    edit->addActions({undoActions_->undo(), undoActions_->redo()});
    connect(edit, &QMenu::aboutToShow, undoActions_, &app::DocumentUndoActions::refresh);

    mnuEeprom = AddMenu(bar, nullptr, "mnuEeprom", tr("&Data"));
    mnuEepRead = AddMenu(bar, mnuEeprom, "mnuEepRead", tr("&Read"));
    mnuEepReadAll = AddItem(mnuEepRead, "mnuEepReadAll", tr("&All"));
    mnuEepReadVfo = AddItem(mnuEepRead, "mnuEepReadVfo", tr("&Vfo Mode"));
    mnuEepReadMem = AddItem(mnuEepRead, "mnuEepReadMem", tr("&Memory Mode"));
    mnuEepWrite = AddMenu(bar, mnuEeprom, "mnuEepWrite", tr("&Write"));
    mnuEepWriteAll = AddItem(mnuEepWrite, "mnuEepWriteAll", tr("&All"));
    mnuEepWriteVfo = AddItem(mnuEepWrite, "mnuEepWriteVfo", tr("&Vfo Mode"));
    mnuEepWriteMem = AddItem(mnuEepWrite, "mnuEepWriteMem", tr("&Memory Mode"));
    mnuCompareRadio = AddItem(mnuEeprom, "mnuCompareRadio", tr("&Compare with Radio"));
    mnuEeprom->addSeparator();
    TransferSafeguards& safeguards = context_.State.Safeguards;
    mnuVerifyAfterWrite = AddOption(mnuEeprom, "mnuVerifyAfterWrite", tr("&Verify after Write"), safeguards.VerifyAfterWrite);
    mnuBackupBeforeWrite =
        AddOption(mnuEeprom, "mnuBackupBeforeWrite", tr("&Backup before Write"), safeguards.BackupBeforeWrite);
    mnuExchangeTrace = AddOption(mnuEeprom, "mnuExchangeTrace", tr("&Exchange Trace"), safeguards.TraceExchanges);
    // These three are remembered for the next start; a file that cannot be written
    // is passed over, as setup.ini is.
    const std::filesystem::path options = context_.UserOptionsPath;
    AppState& state = context_.State;
    if (!options.empty()) {
        const UserOptions remembered = ReadUserOptions(options);
        state.FastTransfer = remembered.FastTransfer;
        state.ReviewBeforeWrite = remembered.ReviewBeforeWrite;
        state.ChangedBlocksOnly = remembered.ChangedBlocksOnly;
    }
    mnuReviewBeforeWrite = AddOption(mnuEeprom, "mnuReviewBeforeWrite", tr("Rev&iew before Write"), state.ReviewBeforeWrite);
    mnuChangedBlocksOnly =
        AddOption(mnuEeprom, "mnuChangedBlocksOnly", tr("Write Changed Blocks &Only"), state.ChangedBlocksOnly);
    mnuFastTransfer = AddOption(mnuEeprom, "mnuFastTransfer", tr("&Fast Transfer"), state.FastTransfer);
    for (QAction* item : {mnuReviewBeforeWrite, mnuChangedBlocksOnly, mnuFastTransfer})
        connect(item, &QAction::toggled, this, [options, &state] {
            if (options.empty())
                return;
            UserOptions kept = ReadUserOptions(options); // the language stays as chosen
            kept.FastTransfer = state.FastTransfer;
            kept.ReviewBeforeWrite = state.ReviewBeforeWrite;
            kept.ChangedBlocksOnly = state.ChangedBlocksOnly;
            (void)WriteUserOptions(options, kept);
        });
    mnuEeprom->addSeparator();
    mnuPort = AddItem(mnuEeprom, "mnuPort", tr("&Port..."));

    mnuPrint = AddItem(bar, "mnuPrint", tr("&Print"));
    mnuInfoMenu = AddMenu(bar, nullptr, "mnuInfoMenu", tr("&Info"));
    mnuInfo = AddItem(mnuInfoMenu, "mnuInfo", tr("&About"));
    mnuLanguage = AddItem(mnuInfoMenu, "mnuLanguage", tr("&Language..."));
    mnuReportProblem = AddItem(mnuInfoMenu, "mnuReportProblem", tr("&Report a Problem..."));
    connect(mnuInfo, &QAction::triggered, this, &frmMain::mnuInfo_Click);
    connect(mnuLanguage, &QAction::triggered, this, &frmMain::mnuLanguage_Click);
    connect(mnuReportProblem, &QAction::triggered, this, &frmMain::mnuReportProblem_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(mnuEepReadAll, &QAction::triggered, this, &frmMain::mnuEepReadAll_Click);
    connect(mnuEepReadVfo, &QAction::triggered, this, &frmMain::mnuEepReadVfo_Click);
    connect(mnuEepReadMem, &QAction::triggered, this, &frmMain::mnuEepReadMem_Click);
    connect(mnuEepWriteAll, &QAction::triggered, this, &frmMain::mnuEepWriteAll_Click);
    connect(mnuEepWriteVfo, &QAction::triggered, this, &frmMain::mnuEepWriteVfo_Click);
    connect(mnuEepWriteMem, &QAction::triggered, this, &frmMain::mnuEepWriteMem_Click);

    connect(mnuPort, &QAction::triggered, this, &frmMain::mnuPort_Click);
    connect(mnuFileLode, &QAction::triggered, this, &frmMain::mnuFileLode_Click);
    connect(mnuFileSave, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(mnuFileImport, &QAction::triggered, this, &frmMain::mnuFileImport_Click);
    connect(mnuFileExport, &QAction::triggered, this, &frmMain::mnuFileExport_Click);
    connect(mnuFileCompare, &QAction::triggered, this, &frmMain::mnuFileCompare_Click);
    connect(mnuCompareRadio, &QAction::triggered, this, &frmMain::mnuCompareRadio_Click);
    setDataCommandsAvailable(true);

    // The usual shortcuts, shown beside the captions in the menus.
    mnuFileLode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuEepReadAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    // Overwriting the radio takes a second modifier (and the question follows).
    mnuEepWriteAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
}

QWidget* frmMain::CreateCommandButtons()
{
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < static_cast<int>(Command1.size()); ++i) {
        Command1[i] = new QPushButton(tr(Command1Captions[i]), box);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        const int margin = Command1[i]->fontMetrics().height();
        Command1[i]->setMinimumSize(Command1[i]->sizeHint().width() + 2 * margin,
                                    Command1[i]->sizeHint().height() + margin);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        layout->addWidget(Command1[i]);
    }
    return box;
}

QWidget* frmMain::CreatePortChoice()
{
    auto* box = new QGroupBox(tr("COM Port"), this);
    box->setObjectName(QStringLiteral("fraPort"));
    auto* layout = new QVBoxLayout(box);
    Option1Group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
        Option1[i] = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), box);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1Group->addButton(Option1[i], i);
        layout->addWidget(Option1[i]);
    }
    connect(Option1Group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            context_.State.ComIndex = index;
    });
    Command2 = new QPushButton(tr("port close"), box);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    layout->addWidget(Command2);
    layout->addStretch();
    ShowPortDevices();
    return box;
}

void frmMain::ShowPortDevices()
{
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i)
        Option1[i]->setToolTip(QString::fromStdString(port_->deviceName(i + 1)));
}

void frmMain::CreateStatusBar()
{
    StatusBar1 = new app::TransferStatusBar(this);
    setStatusBar(StatusBar1);
}

void frmMain::Command1Enabled(bool enabled)
{
    for (QPushButton* button : Command1)
        button->setEnabled(enabled);
}

void frmMain::setDataCommandsAvailable(bool available)
{
    for (QAction* item :
         {mnuEepReadAll, mnuEepReadVfo, mnuEepReadMem, mnuEepWriteAll, mnuEepWriteVfo, mnuEepWriteMem})
        item->setEnabled(available);
}

void frmMain::setStatusText(const QString& text)
{
    StatusBar1->setText(text);
}

QString frmMain::statusText() const
{
    return StatusBar1->text();
}

void frmMain::Command1_Click(int index)
{
    if (context_.State.TransferRunning)
        return;
    // The editors' steps show in the Edit menu afterwards.
    const QScopeGuard refresh([this] { undoActions_->refresh(); });
    switch (index) {
    case 0: {
        if (!memWindow_)
            memWindow_ = new app::frmMem(editorContext(), this);
        RefreshChannelGrid(context_.State.Image, context_.State.Grid);
        memWindow_->showModal();
        break;
    }
    case 1: {
        if (!vfoWindow_)
            vfoWindow_ = new app::frmVfo(editorContext(), this);
        FillVfoWindow(context_.State.Image, context_.State.Vfo, context_.Messages);
        vfoWindow_->showModal();
        break;
    }
    case 2:
        close();
        break;
    }
}

app::EditorContext frmMain::editorContext()
{
    return {context_.State, context_.Messages, *port_, *waiter_};
}

void frmMain::Command2_Click()
{
    if (context_.State.TransferRunning)
        return;
    ClosePortIfOpen();
}

void frmMain::mnuInfo_Click()
{
    if (context_.State.TransferRunning)
        return;
    frmAbout about(context_.State.Image.ModelName, this);
    about.exec();
}

void frmMain::mnuLanguage_Click()
{
    if (context_.State.TransferRunning || context_.UserOptionsPath.empty())
        return;
    UserOptions options = ReadUserOptions(context_.UserOptionsPath);
    QStringList names = {tr("System language"), QStringLiteral("English")};
    QStringList codes = {QString(), QStringLiteral("en")};
    for (const ProgramLanguage& language : ProgramLanguages()) {
        names << language.Name;
        codes << language.Code;
    }
    const qsizetype current = std::max<qsizetype>(0, codes.indexOf(QString::fromStdString(options.Language)));
    bool chosen = false;
    const QString name =
        QInputDialog::getItem(this, windowTitle(), tr("Language of the windows:"), names, static_cast<int>(current),
                              false, &chosen);
    if (!chosen)
        return;
    options.Language = codes[names.indexOf(name)].toStdString();
    if (const FileResult saved = WriteUserOptions(context_.UserOptionsPath, options); !saved.ok()) {
        context_.Messages.notify(TranslatedFormat("Messages", KVR27_TEXT("Messages", "The language choice could not be saved in %1."),
                                                  {Utf8FromPath(context_.UserOptionsPath)}),
                                 MessageIcon::Critical, saved.Reason);
        return;
    }
    context_.Messages.notify(LanguageAtNextStartMessage);
}

void frmMain::mnuReportProblem_Click()
{
    if (context_.State.TransferRunning)
        return;
    const std::filesystem::path& data = context_.State.DataFolder;
    ProblemReportSources sources{CurrentSystemFacts(), context_.UserOptionsPath, context_.SetupIniPath,
                                 data.empty() ? data : data / TraceFolderName};
    frmReport window(std::move(sources), context_.State.Image, context_.Messages, context_.FileDialogs, this);
    window.exec();
}

void frmMain::mnuPrint_Click()
{
    if (context_.State.TransferRunning || !context_.ReportPrinter)
        return;
    StatusBar1->clearNote();
    Command1Enabled(false);
    if (const std::optional<PrintSetup> setup = context_.FileDialogs.printSetup()) {
        // A printer that cannot start prints nothing, in silence, like a Cancel.
        QtReportPrinter printer(*context_.ReportPrinter);
        printer.applySetup(*setup);
        const std::vector<ReportPage> pages = ReportPages(context_.State, printer.pageLines(), setup->copies);
        if (printer.print(pages))
            StatusBar1->endTransfer(PrintedReport(pages));
    }
    Command1Enabled(true);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // A transfer in progress runs inside this window's handlers: it must end first.
    if (context_.State.TransferRunning
        || (context_.State.History.unsaved() && !context_.Messages.ask(SettingsChangedQuestion))) {
        event->ignore();
        return;
    }
    // A folder that cannot be written to keeps the old choice; the program ends anyway.
    (void)WriteSetupIni(context_.SetupIniPath, context_.State.ComIndex);
    ClosePortIfOpen();
    event->accept();
    QApplication::quit();
}

void frmMain::ClosePortIfOpen()
{
    if (port_->isOpen())
        port_->close();
    context_.State.Link.OpenPortNumber = NoPortOpen;
}

void frmMain::mnuEepReadAll_Click() { RunTransferCommand(RadioParts::All, TransferKind::Read); }
void frmMain::mnuEepReadVfo_Click() { RunTransferCommand(RadioParts::Vfo, TransferKind::Read); }
void frmMain::mnuEepReadMem_Click() { RunTransferCommand(RadioParts::Memory, TransferKind::Read); }
void frmMain::mnuEepWriteAll_Click() { RunTransferCommand(RadioParts::All, TransferKind::Write); }
void frmMain::mnuEepWriteVfo_Click() { RunTransferCommand(RadioParts::Vfo, TransferKind::Write); }
void frmMain::mnuEepWriteMem_Click() { RunTransferCommand(RadioParts::Memory, TransferKind::Write); }

void frmMain::mnuPort_Click()
{
    if (context_.State.TransferRunning)
        return;
    frmPort window(context_.PortAssignmentsPath, SystemSerialDeviceLookup(context_.PortAssignmentsPath),
                   context_.Messages, this);
    if (window.exec() != QDialog::Accepted)
        return;
    // A port open on the old device is closed, so the next transfer opens the new one.
    ClosePortIfOpen();
    ShowPortDevices();
}

void frmMain::RunTransferCommand(RadioParts parts, TransferKind kind)
{
    if (context_.State.TransferRunning)
        return;
    LinkServices services{*port_, *waiter_, context_.Messages, *this};
    StatusBar1->beginTransfer(context_.State.Link, kind);
    setCommandsEnabled(false);
    RadioCommandOptions options;
    options.Review = app::ReviewInWindow(this, context_.State.Image.ModelName);
    const CommandReport report = kind == TransferKind::Read ? ReadRadioCommand(context_.State, services, parts)
                                                            : WriteRadioCommand(context_.State, services, parts, options);
    setCommandsEnabled(true);
    undoActions_->refresh();
    StatusBar1->endTransfer(report);
}

void frmMain::mnuFileLode_Click() { RunFileCommand(LoadCommand); }
void frmMain::mnuFileSave_Click() { RunFileCommand(SaveCommand); }
void frmMain::mnuFileImport_Click() { RunFileCommand(ImportCommand); }
void frmMain::mnuFileExport_Click() { RunFileCommand(ExportCommand); }

void frmMain::mnuFileCompare_Click()
{
    if (context_.State.TransferRunning)
        return;
    StatusBar1->clearNote();
    setCommandsEnabled(false);
    const ComparisonReport report = CompareWithFileCommand(context_.State, context_.Messages, context_.FileDialogs);
    setCommandsEnabled(true);
    const QString file = QStringFromPath(context_.FileDialogs.lastFileName().filename());
    if (report.ok())
        showDifferences(report.Lines, tr("Each line: %1 \u2192 this document").arg(file));
}

void frmMain::mnuCompareRadio_Click()
{
    if (context_.State.TransferRunning)
        return;
    LinkServices services{*port_, *waiter_, context_.Messages, *this};
    StatusBar1->beginTransfer(context_.State.Link, TransferKind::Read);
    setCommandsEnabled(false);
    const ComparisonReport report = CompareWithRadioCommand(context_.State, services);
    setCommandsEnabled(true);
    StatusBar1->endTransfer(report);
    if (report.ok())
        showDifferences(report.Lines, tr("Each line: the radio \u2192 this document"));
}

void frmMain::showDifferences(const std::vector<std::string>& lines, const QString& sides)
{
    if (!differences_)
        differences_ = new app::frmDifferences(context_.State.Image.ModelName, false, this);
    differences_->showLines(lines, sides);
    differences_->show();
    differences_->raise();
    differences_->activateWindow();
}

void frmMain::RunFileCommand(CommandReport (*command)(AppState&, MessageSink&, Dialogs&))
{
    if (context_.State.TransferRunning)
        return;
    StatusBar1->clearNote();
    setCommandsEnabled(false);
    // The messages have told the user what went wrong; the note says what was done
    // ("Saved radio.r27").
    const CommandReport report = command(context_.State, context_.Messages, context_.FileDialogs);
    setCommandsEnabled(true);
    StatusBar1->endTransfer(report);
    undoActions_->refresh();
}

void frmMain::setCommandsEnabled(bool enabled)
{
    menuBar()->setEnabled(enabled);
    centralWidget()->setEnabled(enabled);
    Command1Enabled(enabled);
}

void frmMain::showProgress(ProgressTarget, const std::string& text)
{
    setStatusText(QString::fromStdString(text));
}

} // namespace kvr27
