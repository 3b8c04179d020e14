#include "platform/QtFileFilter.h"

#include <QCoreApplication>
#include <QStringList>

namespace kvr27 {

namespace {

// The filter's fields: description, pattern, description, pattern, ...
QStringList FilterFields(const std::string& filter)
{
    QStringList fields = QString::fromStdString(filter).split(QLatin1Char('|'));
    while (!fields.isEmpty() && fields.last().trimmed().isEmpty())
        fields.removeLast();
    return fields;
}

} // namespace

QString QtFileFilter(const std::string& filter)
{
    const QStringList fields = FilterFields(filter);
    QStringList entries;
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        // The descriptions are marked in the catalog's context "Filters".
        const QString description = QCoreApplication::translate("Filters", fields[i].trimmed().toUtf8().constData());
        const QString pattern = i + 1 < fields.size() ? fields[i + 1].trimmed() : QString();
        if (pattern.isEmpty() || description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
            entries << description;
        else
            entries << description + QLatin1String(" (") + QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '))
                           + QLatin1Char(')');
    }
    return entries.join(QLatin1String(";;"));
}

} // namespace kvr27
