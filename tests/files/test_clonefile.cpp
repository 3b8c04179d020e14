// The clone file: its exact text, the load rules on hand-written files, the files
// that are refused, a random image kept whole through save and load, and saves that
// fail without touching the earlier file.
#include "FilesFixture.h"
#include "files/CloneFile.h"
#include "files/FileMenuCommands.h"
#include "image/Startup.h"
#include "support/FileText.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <functional>
#include <map>

using namespace kvr27;
namespace fs = std::filesystem;

namespace {

// A valid file, line by line: the VFO lines, then 100 disabled channels.
QStringList HandWrittenLines()
{
    QStringList lines = {"43400000", "0", "0", "0", "1", "2", "3", "4", "5"};
    for (int i = 0; i < 13; ++i)
        lines << "0";
    lines << "60000" << "6" << "2" << "0" << "0" << "0" << "60000" << "0" << "0";
    for (int channel = 0; channel < 100; ++channel)
        lines << "43300000" << "0" << "0" << "0" << "0" << "0" << "0" << "#FALSE#";
    return lines;
}

std::string Join(const QStringList& lines, const char* end = "\r\n")
{
    std::string text;
    for (const QString& line : lines)
        text += line.toStdString() + end;
    return text;
}

const std::map<QString, std::function<std::int64_t(const CloneFileContent&)>> Fields = {
    {"Frequency", [](const CloneFileContent& c) { return c.Vfo.Frequency; }},
    {"LockPowerTone", [](const CloneFileContent& c) { return c.Vfo.LockPowerTone; }},
    {"VfoReserved1", [](const CloneFileContent& c) { return c.Vfo.VfoReserved1; }},
    {"TxTone", [](const CloneFileContent& c) { return c.Vfo.TxTone; }},
    {"PmrChannel", [](const CloneFileContent& c) { return c.Vfo.PmrChannel; }},
    {"CurrentChannel", [](const CloneFileContent& c) { return c.Vfo.CurrentChannel; }},
    {"ShiftFreq", [](const CloneFileContent& c) { return c.Vfo.ShiftFreq; }},
    {"BatteryBeepSquelch", [](const CloneFileContent& c) { return c.Vfo.BatteryBeepSquelch; }},
    {"BellShiftStep", [](const CloneFileContent& c) { return c.Vfo.BellShiftStep; }},
    {"RptFlags", [](const CloneFileContent& c) { return c.Vfo.RptFlags; }},
    {"ch1 ChannelFlags", [](const CloneFileContent& c) { return c.Channels.at(0).ChannelFlags; }},
    {"ch1 Step", [](const CloneFileContent& c) { return c.Channels.at(0).Step; }},
    {"ch1 RxTone", [](const CloneFileContent& c) { return c.Channels.at(0).RxTone; }},
    {"ch100 Enabled", [](const CloneFileContent& c) { return c.Channels.at(99).Enabled; }},
};

} // namespace

class TestCloneFile : public QObject {
    Q_OBJECT
private slots:
    void savedText()
    {
        RadioImage image;
        InitialiseRadioImage(image, 0);
        image.Vfo.Frequency = -5;
        image.Channels.at(99).Enabled = true;
        image.Channels.at(99).Step = 103;
        const std::string text = CloneFileText(image);
        QVERIFY(text.starts_with("-5\r\n"));
        QVERIFY(text.ends_with("\r\n103\r\n#TRUE#\r\n"));
        QVERIFY(text.find("\r\n#FALSE#\r\n43400000\r\n") != std::string::npos);
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 831);
        QCOMPARE(std::count(text.begin(), text.end(), '\r'), 831);
    }

    void loadRules_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("blanks around a number") << 1 << " 43312500 " << "Frequency" << qint64(43312500);
        QTest::newRow("line 2 tone set 3") << 2 << "195" << "LockPowerTone" << qint64(192);
        QTest::newRow("line 2 tone set 2") << 2 << "66" << "LockPowerTone" << qint64(66);
        QTest::newRow("line 2 unused bits") << 2 << "60" << "LockPowerTone" << qint64(0);
        QTest::newRow("line 3 255") << 3 << "255" << "VfoReserved1" << qint64(255);
        QTest::newRow("line 5 38") << 5 << "38" << "TxTone" << qint64(38);
        QTest::newRow("line 5 39") << 5 << "39" << "TxTone" << qint64(7);
        QTest::newRow("line 8 0") << 8 << "0" << "PmrChannel" << qint64(3);
        QTest::newRow("line 8 9") << 8 << "9" << "PmrChannel" << qint64(3);
        QTest::newRow("line 8 8") << 8 << "8" << "PmrChannel" << qint64(8);
        QTest::newRow("line 9 100") << 9 << "100" << "CurrentChannel" << qint64(100);
        QTest::newRow("line 9 101") << 9 << "101" << "CurrentChannel" << qint64(0);
        QTest::newRow("line 23 9950001") << 23 << "9950001" << "ShiftFreq" << qint64(60000);
        QTest::newRow("line 23 -1") << 23 << "-1" << "ShiftFreq" << qint64(60000);
        QTest::newRow("line 24 53") << 24 << "53" << "BatteryBeepSquelch" << qint64(5);
        QTest::newRow("line 24 224") << 24 << "224" << "BatteryBeepSquelch" << qint64(224);
        QTest::newRow("line 25 shift 3") << 25 << "48" << "BellShiftStep" << qint64(3);
        QTest::newRow("line 25 step 9") << 25 << "9" << "BellShiftStep" << qint64(3);
        QTest::newRow("line 25 valid") << 25 << "232" << "BellShiftStep" << qint64(232);
        QTest::newRow("line 31 shift 3") << 31 << "48" << "RptFlags" << qint64(0x20);
        QTest::newRow("channel line 4 39") << 35 << "39" << "ch1 RxTone" << qint64(8);
        QTest::newRow("channel line 6 3") << 37 << "3" << "ch1 ChannelFlags" << qint64(0);
        QTest::newRow("channel line 6 12") << 37 << "12" << "ch1 ChannelFlags" << qint64(0);
        QTest::newRow("channel line 6 48") << 37 << "48" << "ch1 ChannelFlags" << qint64(0);
        QTest::newRow("channel line 6 17") << 37 << "17" << "ch1 ChannelFlags" << qint64(17);
        QTest::newRow("channel line 7 9") << 38 << "9" << "ch1 Step" << qint64(0);
        QTest::newRow("channel line 7 24") << 38 << "24" << "ch1 Step" << qint64(24);
        QTest::newRow("last line #TRUE#") << 831 << "#TRUE#" << "ch100 Enabled" << qint64(1);
    }
    void loadRules()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(qint64, expected);
        QStringList lines = HandWrittenLines();
        lines[line - 1] = text;
        CloneFileContent content;
        QVERIFY(ParseCloneFile(Join(lines), test::TestDefaults(), content).ok());
        QCOMPARE(Fields.at(field)(content), expected);
    }

    // Files written by other programs: LF line ends, a byte order mark, no line end
    // after the last line.
    void otherLineEnds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("LF") << QByteArray::fromStdString(Join(HandWrittenLines(), "\n"));
        QTest::newRow("byte order mark") << QByteArray::fromStdString("\xEF\xBB\xBF" + Join(HandWrittenLines()));
        QTest::newRow("no last line end") << QByteArray::fromStdString(Join(HandWrittenLines())).chopped(2);
    }
    void otherLineEnds()
    {
        QFETCH(QByteArray, content);
        CloneFileContent content2;
        QVERIFY(ParseCloneFile(content.toStdString(), test::TestDefaults(), content2).ok());
        QCOMPARE(content2.Vfo.Frequency, 43400000);
        QCOMPARE(content2.Channels.at(99).Frequency, 43300000);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("extraLines");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("830 lines") << 0 << "" << -1 << QByteArray();
        QTest::newRow("832 lines") << 0 << "" << 1 << QByteArray();
        QTest::newRow("an empty line after line 831") << 0 << "" << 0 << QByteArray("\r\n");
        QTest::newRow("line 1 beyond 32 bits") << 1 << "2147483648" << 0 << QByteArray();
        QTest::newRow("line 2 with a point") << 2 << "3.5" << 0 << QByteArray();
        QTest::newRow("line 3 256") << 3 << "256" << 0 << QByteArray();
        QTest::newRow("line 5 -1") << 5 << "-1" << 0 << QByteArray();
        QTest::newRow("line 5 no number") << 5 << "x5" << 0 << QByteArray();
        QTest::newRow("line 5 empty") << 5 << "" << 0 << QByteArray();
        QTest::newRow("line 24 300 passes its rule") << 24 << "300" << 0 << QByteArray();
        QTest::newRow("Enabled yes") << 39 << "yes" << 0 << QByteArray();
        QTest::newRow("Enabled lower case") << 831 << "#true#" << 0 << QByteArray();
    }
    void refusedFiles()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, extraLines);
        QFETCH(QByteArray, tail);
        QStringList lines = HandWrittenLines();
        if (line > 0)
            lines[line - 1] = text;
        if (extraLines < 0)
            lines.removeLast();
        if (extraLines > 0)
            lines << "0";
        CloneFileContent content;
        QVERIFY(!ParseCloneFile(Join(lines) + tail.toStdString(), test::TestDefaults(), content).ok());
    }

    // Every field of a random image of every model comes back from its file.
    void roundTrip()
    {
        QRandomGenerator random(27);
        for (int option = 0; option < 5; ++option) {
            AppState state;
            InitialiseRadioImage(state.Image, option);
            test::RandomiseImage(state, random);
            CloneFileContent content;
            QVERIFY(ParseCloneFile(CloneFileText(state.Image), state.Image.Defaults, content).ok());
            QVERIFY(content.Vfo == state.Image.Vfo);
            QVERIFY(content.Channels == state.Image.Channels);
        }
    }

    // A save that fails leaves the earlier file byte for byte, says which file and
    // why, and keeps SettingsChanged.
    void failedSaveKeepsEarlierFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << "missing/radio.r27" << "No such file or directory";
        QTest::newRow("read-only folder") << "locked/radio.r27" << "Permission denied";
        QTest::newRow("disk full") << "radio.r27" << "File too large";
        QTest::newRow("name of a folder") << "folder" << "Is a directory";
    }
    void failedSaveKeepsEarlierFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("locked");
        QDir(dir.path()).mkdir("folder");
        const fs::path file = dir.filePath(target).toStdString();
        const std::string earlier = "earlier content\r\n";
        const bool hadEarlier = fs::exists(file.parent_path()) && !fs::exists(file);
        if (hadEarlier)
            test::WriteFileText(file, earlier);
        const QString tag = QTest::currentDataTag();
        if (tag == "read-only folder") {
            if (geteuid() == 0)
                QSKIP("permissions do not stop the superuser");
            fs::permissions(file.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
        }
        AppState state;
        StartWithModel(state, 0);
        state.Image.SettingsChanged = true;
        test::RecordingMessageSink messages;
        test::ScriptedDialogs dialogs;
        dialogs.saveAnswers = {file.string()};
        {
            std::optional<test::FileSizeLimit> limit;
            if (tag == "disk full")
                limit.emplace(1000);
            SaveCommand(state, messages, dialogs);
        }
        fs::permissions(dir.path().toStdString() + "/locked", fs::perms::owner_all);

        QCOMPARE(messages.texts(), std::vector<std::string>{"The file \"" + file.string() +
                                                            "\" could not be written, and was left as it "
                                                            "was.\r" + reason.toStdString() + "."});
        QVERIFY(state.Image.SettingsChanged);
        QVERIFY(!fs::exists(file.string() + ".tmp"));
        if (hadEarlier)
            QCOMPARE(test::ReadFileText(file), earlier);
    }
};

QTEST_GUILESS_MAIN(TestCloneFile)
#include "test_clonefile.moc"
