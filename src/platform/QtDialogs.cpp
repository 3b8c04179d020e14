#include "platform/QtDialogs.h"

#include "platform/DialogParent.h"
#include "platform/QtFileFilter.h"
#include "platform/QtPath.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

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
    QPrintDialog dialog(&printer(), DialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintSetup setup;
    setup.orientation = printer().pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                                        : PageOrientation::Portrait;
    setup.copies = printer().copyCount();
    return setup;
}

} // namespace kvr27
