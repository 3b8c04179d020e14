#include "app/frmAbout.h"

#include "app/ProductInfo.h"
#include "core/MessageSink.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvr27 {

frmAbout::frmAbout(const std::string& modelName, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromStdString(MessageTitle(modelName)));

    auto* info = new QWidget(this);
    AddProductInfo(info);

    cmdOK = new QPushButton(tr("OK"), this);
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
