#include "platform/QtMessageSink.h"

#include "platform/DialogParent.h"
#include "platform/TitleWidth.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QStringList>

#include <QMessageBox>

namespace kvr27 {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The text in the user's language where the catalog ("Messages") has it whole, else
// each of its lines that the catalog has, with the core's line separator "\r" (also
// "\r\n") as the line break a box shows.
QString DisplayText(const std::string& text)
{
    QString shown = QCoreApplication::translate("Messages", text.c_str());
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = shown.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (!line.isEmpty())
            line = QCoreApplication::translate("Messages", line.toUtf8().constData());
    return lines.join(QLatin1Char('\n'));
}

// Makes the box wide enough for its whole title.
void FitTitle(QMessageBox& box)
{
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

QtMessageSink::QtMessageSink(const RadioImage& image) : image_(image) {}

void QtMessageSink::notify(const std::string& text, MessageIcon icon, const std::string& detail)
{
    QMessageBox box(BoxIcon(icon), QString::fromStdString(MessageTitle(image_.ModelName)), DisplayText(text),
                    QMessageBox::Ok, DialogParent());
    if (!detail.empty())
        box.setInformativeText(DisplayText(detail));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    FitTitle(box);
    box.exec();
}

bool QtMessageSink::ask(const std::string& text, const std::string& detail)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(MessageTitle(image_.ModelName)),
                    DisplayText(text), QMessageBox::Ok | QMessageBox::Cancel, DialogParent());
    if (!detail.empty())
        box.setInformativeText(DisplayText(detail));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    FitTitle(box);
    return box.exec() == QMessageBox::Ok;
}

} // namespace kvr27
