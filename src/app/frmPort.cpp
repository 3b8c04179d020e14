#include "app/frmPort.h"

#include "core/PathText.h"
#include "core/UserText.h"
#include "link/PortAssignments.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSerialPortInfo>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvr27 {

namespace {

QString UsbIds(const QSerialPortInfo& info)
{
    if (!info.hasVendorIdentifier() || !info.hasProductIdentifier())
        return {};
    return QStringLiteral("%1:%2")
        .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
        .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
}

bool MayOpen(const QString& device)
{
    const QFileInfo file(device);
    return file.isReadable() && file.isWritable();
}

} // namespace

frmPort::frmPort(std::filesystem::path assignmentsFile, SerialDeviceLookup lookup, MessageSink& messages,
                 QWidget* parent)
    : QDialog(parent), assignmentsFile_(std::move(assignmentsFile)), lookup_(std::move(lookup)),
      messages_(messages)
{
    setObjectName(QStringLiteral("frmPort"));
    setWindowTitle(tr("Port"));
    auto* layout = new QVBoxLayout(this);

    tblPorts = new QTableWidget(0, 6, this);
    tblPorts->setObjectName(QStringLiteral("tblPorts"));
    tblPorts->setHorizontalHeaderLabels(
        {tr("Device"), tr("Description"), tr("Maker"), tr("USB id"), tr("COM"), tr("Access")});
    tblPorts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPorts->verticalHeader()->hide();
    layout->addWidget(tblPorts);
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    layout->addWidget(lblHint);

    auto* choices = new QFormLayout;
    const PortAssignments assigned = ReadPortAssignments(assignmentsFile_);
    for (int i = 0; i < static_cast<int>(cboAssigned.size()); ++i) {
        cboAssigned[i] = new QComboBox(this);
        cboAssigned[i]->setObjectName(QStringLiteral("cboAssigned_%1").arg(i));
        cboAssigned[i]->setEditable(true);
        cboAssigned[i]->addItem(QString());
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            cboAssigned[i]->addItem(info.systemLocation());
        cboAssigned[i]->setCurrentText(QString::fromStdString(assigned[i]));
        cboAssigned[i]->setToolTip(tr("Empty: the device found by the search"));
        choices->addRow(QStringLiteral("COM%1").arg(i + 1), cboAssigned[i]);
    }
    layout->addLayout(choices);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmPort::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmPort::reject);
    layout->addWidget(buttons);
    FillPorts();
}

void frmPort::FillPorts()
{
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    tblPorts->setRowCount(static_cast<int>(ports.size()));
    bool anyRefused = false;
    for (int row = 0; row < tblPorts->rowCount(); ++row) {
        const QSerialPortInfo& info = ports[row];
        const QString device = info.systemLocation();
        QStringList options;
        for (int number = 1; number <= 5; ++number)
            if (SameSerialDevice(SerialDeviceName(number, lookup_), device.toStdString(), lookup_.windows))
                options << QStringLiteral("COM%1").arg(number);
        // Windows has no device files to ask and no group to join: a port in use
        // shows when it is opened.
        const bool mayOpen = lookup_.windows || MayOpen(device);
        anyRefused = anyRefused || !mayOpen;
        const QStringList cells = {device, info.description(), info.manufacturer(), UsbIds(info),
                                   options.join(QStringLiteral(", ")),
                                   lookup_.windows ? QString()
                                   : mayOpen       ? tr("yes")
                                                   : tr("no")};
        for (int column = 0; column < cells.size(); ++column)
            tblPorts->setItem(row, column, new QTableWidgetItem(cells[column]));
        if (!mayOpen)
            tblPorts->item(row, 5)->setToolTip(tr(DialoutHint));
    }
    tblPorts->resizeColumnsToContents();
    // Every column in view: the window is as wide as the table's contents.
    int width = 2 * tblPorts->frameWidth() + tblPorts->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < tblPorts->columnCount(); ++column)
        width += tblPorts->columnWidth(column);
    tblPorts->setMinimumWidth(width);
    if (ports.isEmpty())
        lblHint->setText(tr("No serial port found; a device can still be typed below."));
    else if (anyRefused)
        lblHint->setText(tr("To use a port marked \"no\", %1.").arg(tr(DialoutHint)));
    lblHint->setVisible(!lblHint->text().isEmpty());
}

void frmPort::accept()
{
    PortAssignments assignments;
    for (std::size_t i = 0; i < assignments.size(); ++i)
        assignments[i] = cboAssigned[i]->currentText().trimmed().toStdString();
    std::error_code ignored; // a folder that cannot be made fails the write below
    std::filesystem::create_directories(assignmentsFile_.parent_path(), ignored);
    if (const FileResult saved = WritePortAssignments(assignmentsFile_, assignments); !saved.ok()) {
        messages_.notify(TranslatedFormat("Messages", KVR27_TEXT("Messages", "The port choice could not be saved in %1."),
                                          {Utf8FromPath(assignmentsFile_)}),
                         MessageIcon::Critical, saved.Reason);
        return;
    }
    QDialog::accept();
}

} // namespace kvr27
