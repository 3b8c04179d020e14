#pragma once
// Whole-file reads and writes for tests that prepare or inspect files, byte for byte.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QProcess>
#include <QStringList>
#include <QTest>

namespace kvr27::test {

inline std::string ReadFileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteFileText(const std::filesystem::path& file, const std::string& content)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

// The zip archive as Python's zipfile reads it: the names it holds, then "bad: NAME"
// for the first member whose checksum fails, or "ok".
inline QStringList ZipListing(const QString& file)
{
    QProcess python;
    python.start("python3", {"-c", "import sys, zipfile\n"
                                   "z = zipfile.ZipFile(sys.argv[1])\n"
                                   "print('\\n'.join(z.namelist()))\n"
                                   "bad = z.testzip()\n"
                                   "print('bad: ' + bad if bad else 'ok')\n",
                             file});
    python.waitForFinished(10000);
    return QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError()).trimmed().split('\n');
}

// The rows of tests/data/`file` whose first field is `kind`, split at "|", without
// that field; "\r\n" in a field stands for a line end.
inline QList<QStringList> DataRows(const char* file, const QString& kind)
{
    QList<QStringList> rows;
    const std::string text = ReadFileText(std::filesystem::path(KVR27_TEST_DATA) / file);
    for (QString line : QString::fromStdString(text).split('\n'))
        if (line.startsWith(kind + '|'))
            rows << line.replace("\\r\\n", "\r\n").split('|').mid(1);
    if (rows.isEmpty())
        qFatal("No %s rows in %s", qPrintable(kind), file);
    return rows;
}

// The numbers of a data file's field, decimal or 0x hexadecimal, split at blanks.
inline QList<int> Numbers(const QString& field)
{
    QList<int> numbers;
    for (const QString& number : field.split(' ', Qt::SkipEmptyParts))
        numbers << number.toInt(nullptr, 0);
    return numbers;
}

// The `_data()` table of those rows: one a row, named by its first field, the
// other fields in column "f".
inline void AddDataRows(const char* file, const QString& kind)
{
    QTest::addColumn<QStringList>("f");
    for (const QStringList& row : DataRows(file, kind))
        QTest::newRow(qPrintable(row[0])) << row.mid(1);
}

} // namespace kvr27::test
