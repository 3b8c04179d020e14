#include "app/ProductInfo.h"

#include "app/RadioPictures.h"
#include "core/ProgramVersion.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

namespace kvr27 {

namespace {

const char* const Description = QT_TRANSLATE_NOOP(
    "ProductInfo",
    "Reads, edits and writes the settings and the 100 memory channels of the "
    "KV-R27PA, KV-R27Z and KV-R27X hand-held radios over a serial cable.");

QLabel* AddLabel(QWidget* container, const char* name, const QString& text)
{
    auto* label = new QLabel(text, container);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

QLabel* AddPicture(QWidget* container, const char* name, const QPixmap& picture, const QString& accessibleName)
{
    auto* image = new QLabel(container);
    image->setObjectName(QLatin1String(name));
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignCenter);
    image->setAccessibleName(accessibleName);
    return image;
}

} // namespace

QString ProductTitle()
{
    return QStringLiteral("KV-R27 Clone Utility");
}

QString VersionText()
{
    const std::string_view version = ProgramVersion();
    return QCoreApplication::translate("ProductInfo", "Version %1 beta").arg(QString::fromUtf8(version.data(), qsizetype(version.size())));
}

QString LicenceText()
{
    return QCoreApplication::translate("ProductInfo",
                                       "This program is free software: you may copy, share and change it under the "
                                       "terms of the GNU General Public License, version 3 or later. It comes with no warranty.");
}

void AddProductInfo(QWidget* container)
{
    auto* layout = new QGridLayout(container);
    QLabel* title = AddLabel(container, "lblTitle", ProductTitle());
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel* description = AddLabel(container, "lblDescription", QCoreApplication::translate("ProductInfo", Description));
    QLabel* disclaimer = AddLabel(container, "lblDisclaimer", LicenceText());
    disclaimer->setFrameShape(QFrame::StyledPanel);
    disclaimer->setMargin(6);
    // Wrapped labels keep a comfortable line length at any font size.
    description->setMinimumWidth(description->fontMetrics().averageCharWidth() * 50);

    layout->addWidget(AddPicture(container, "Image1", RadioPicture(), QCoreApplication::translate("ProductInfo", "Radio")), 0, 0, 3, 1,
                      Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(AddLabel(container, "lblVersion", VersionText()), 1, 1);
    layout->addWidget(description, 2, 1);
    layout->addWidget(AddPicture(container, "Image2", CablePicture(), QCoreApplication::translate("ProductInfo", "Serial cable")), 3, 0,
                      Qt::AlignTop);
    layout->addWidget(disclaimer, 3, 1);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(16);
}

} // namespace kvr27
