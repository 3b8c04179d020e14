#include "app/frmAbout.h"

#include "app/ProductInfo.h"
#include "core/MessageSink.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvr27 {

frmAbout::frmAbout(const std::string& modelName, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromStdString(MessageTitle(modelName)));

    auto* info = new QWidget(this);
    AddProductInfo(info);
    auto* lblLicence = new QLabel(LicenceText(), this);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));
    lblLicence->setWordWrap(true);
    // Below the description and the disclaimer, in their column.
    static_cast<QGridLayout*>(info->layout())->addWidget(lblLicence, 4, 1);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

} // namespace kvr27
