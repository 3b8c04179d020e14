#include "platform/QtDialogs.h"

#include "commands/FileMenuCommands.h"
#include "platform/DialogParent.h"
#include "platform/QtFileFilter.h"
#include "platform/QtPath.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace kvr27 {

namespace {

std::optional<std::filesystem::path> RunFileDialog(const std::string& filter, const std::filesystem::path& offeredName,
                                                   QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(DialogParent());
    // The save dialog asks before it returns an existing file; the extension of a
    // name typed without one is added by Dialogs::saveFile, which asks about that name.
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QtFileFilter(filter));
    if (!offeredName.empty())
        dialog.selectFile(QStringFromPath(offeredName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathFromQString(dialog.selectedFiles().constFirst());
}

} // namespace

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

std::optional<std::filesystem::path> QtDialogs::chooseFileToOpen(const std::string& filter,
                                                                 const std::filesystem::path& offeredName)
{
    return RunFileDialog(filter, offeredName, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtDialogs::chooseFileToSave(const std::string& filter,
                                                                 const std::filesystem::path& offeredName)
{
    return RunFileDialog(filter, offeredName, QFileDialog::AcceptSave);
}

QPrinter& QtDialogs::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

std::optional<PrintSetup> QtDialogs::printSetup()
{
    // Qt's own printer dialog offers its PDF file in the working folder, named after
    // the document (or the last PDF file printed): while it is open, that is the
    // clone file's folder and name, else the documents folder.
    const std::filesystem::path pdf = pdfFileName(CloneFileFilter);
    if (!pdf.empty()) {
        printer().setDocName(QStringFromPath(pdf.stem()));
        if (!printer().outputFileName().isEmpty())
            printer().setOutputFileName(QStringFromPath(pdf));
    }
    const QString workingFolder = QDir::currentPath();
    const bool moved = QDir::setCurrent(pdf.empty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                                    : QStringFromPath(pdf.parent_path()));
    QPrintDialog dialog(&printer(), DialogParent());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (moved)
        QDir::setCurrent(workingFolder);
    if (!accepted)
        return std::nullopt;
    PrintSetup setup;
    setup.orientation = printer().pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                                        : PageOrientation::Portrait;
    setup.copies = printer().copyCount();
    return setup;
}

} // namespace kvr27
