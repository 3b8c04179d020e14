#include "platform/QtMessageSink.h"

#include "platform/DialogParent.h"

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

// The core's line separator "\r" (also "\r\n") as the line break a box shows.
QString DisplayText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

QtMessageSink::QtMessageSink(const RadioImage& image) : image_(image) {}

void QtMessageSink::notify(const std::string& text, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QString::fromStdString(MessageTitle(image_.ModelName)), DisplayText(text),
                    QMessageBox::Ok, DialogParent());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool QtMessageSink::ask(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(MessageTitle(image_.ModelName)),
                    DisplayText(text), QMessageBox::Ok | QMessageBox::Cancel, DialogParent());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace kvr27
