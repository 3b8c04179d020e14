#include "app/frmReport.h"

#include "core/PathText.h"
#include "core/UserText.h"
#include "platform/ZipArchive.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvr27 {

frmReport::frmReport(ProblemReportSources sources, const RadioImage& document, MessageSink& messages,
                     Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), sources_(std::move(sources)), document_(document), messages_(messages), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(tr("Report a Problem"));
    auto* layout = new QVBoxLayout(this);

    lblNote = new QLabel(tr("The report holds the files below, in one zip file saved where you "
                            "choose. Nothing is sent anywhere: give the file to whoever helps you."),
                         this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    layout->addWidget(lblNote);

    tblFiles = new QTableWidget(0, 2, this);
    tblFiles->setObjectName(QStringLiteral("tblFiles"));
    tblFiles->setHorizontalHeaderLabels({tr("File"), tr("Size (bytes)")});
    tblFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblFiles->setSelectionMode(QAbstractItemView::NoSelection);
    tblFiles->verticalHeader()->hide();
    tblFiles->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblFiles->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(tblFiles);

    chkDocument = new QCheckBox(tr("&Include the current document as a clone file"), this);
    chkDocument->setObjectName(QStringLiteral("chkDocument"));
    connect(chkDocument, &QCheckBox::toggled, this, &frmReport::FillFiles);
    layout->addWidget(chkDocument);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cmdSave = buttons->addButton(tr("&Save..."), QDialogButtonBox::AcceptRole);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmReport::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmReport::reject);
    layout->addWidget(buttons);

    FillFiles();
    resize(fontMetrics().averageCharWidth() * 72, sizeHint().height() + fontMetrics().height() * 6);
}

void frmReport::FillFiles()
{
    sources_.Document = chkDocument->isChecked() ? &document_ : nullptr;
    files_ = ProblemReportFiles(sources_);
    tblFiles->setRowCount(static_cast<int>(files_.size()));
    for (int row = 0; row < tblFiles->rowCount(); ++row) {
        const ReportFile& file = files_[static_cast<std::size_t>(row)];
        tblFiles->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(file.Name)));
        auto* size = new QTableWidgetItem(QString::number(file.Content.size()));
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblFiles->setItem(row, 1, size);
    }
}

void frmReport::accept()
{
    const std::optional<std::filesystem::path> file = dialogs_.saveFile(ProblemReportFilter, messages_);
    if (!file)
        return;
    if (const FileResult saved = SaveZipArchive(*file, files_); !saved.ok()) {
        messages_.notify(KVR27_TEXT("Messages", "The problem report could not be saved."), MessageIcon::Exclamation,
                         Utf8FromPath(*file) + ": " + saved.Reason);
        return;
    }
    messages_.notify(TranslatedFormat("Messages", KVR27_TEXT("Messages", "The problem report was saved as %1."), {Utf8FromPath(*file)}));
    QDialog::accept();
}

} // namespace kvr27
