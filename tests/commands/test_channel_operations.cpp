// The channel window's operations on the table, without the window: literal tables
// before and after, the refusals that leave the table as it was, and tables pasted
// as a spreadsheet writes them.
#include "commands/ChannelClipboard.h"
#include "commands/ChannelMultiEdit.h"
#include "commands/ChannelOperations.h"
#include "commands/ChannelPlans.h"
#include "image/FrequencyText.h"
#include "image/Startup.h"
#include "support/FileText.h"

#include <QtTest>

using namespace kvr27;

namespace {

// A channel in a data row: "433.1" an enabled LPD channel, "P3" PMR channel 3,
// "d433.1" a disabled channel holding 433.1, "-" an empty channel as a new radio
// has it, "95*-" 95 empty channels. Channels after the listed ones are empty.
ChannelRecord Channel(const RadioImage& image, const QString& token)
{
    ChannelRecord record = EmptyChannel(image.Defaults);
    if (token == "-")
        return record;
    record.Enabled = !token.startsWith('d');
    const QString value = token.mid(record.Enabled ? 0 : 1);
    if (value.startsWith('P'))
        record.Frequency = value.mid(1).toInt() * PmrChannelUnit, record.ChannelFlags = ModePmrFlag;
    else
        record.Frequency = *ParseFrequency(value.toStdString()), record.ChannelFlags = ModeLpdFlag;
    return record;
}

QString Tokens(const RadioImage& image, const ChannelTable& table)
{
    QStringList tokens;
    for (const ChannelRecord& r : table) {
        QString mhz = QString::fromStdString(FormatFrequency(r.Frequency));
        while (mhz.endsWith('0'))
            mhz.chop(1);
        if (mhz.endsWith('.'))
            mhz.chop(1);
        const QString value = r.IsPmr() ? "P" + QString::number(r.Frequency / PmrChannelUnit) : mhz;
        tokens << (r == EmptyChannel(image.Defaults) ? "-" : r.Enabled ? value : "d" + value);
    }
    while (!tokens.isEmpty() && tokens.last() == "-")
        tokens.removeLast();
    QStringList runs; // four or more empty channels as "95*-"
    for (qsizetype i = 0, n = 0; i < tokens.size(); i += std::max<qsizetype>(n, 1)) {
        for (n = 0; i + n < tokens.size() && tokens[i + n] == "-";)
            ++n;
        runs << (n >= 4 ? QString::number(n) + "*-" : tokens[i]);
        n = n >= 4 ? n : 1;
    }
    return runs.join(' ');
}

// "3 4 5@4": channels 3 to 5, channel 4 current (the first when no "@").
ChannelSelection Selection(const QString& text)
{
    const QStringList parts = text.split('@');
    ChannelSelection selection;
    for (int channel : test::Numbers(parts[0]))
        selection.Channels.push_back(channel);
    selection.Current = parts.size() > 1 ? parts[1].toInt() : selection.Channels.front();
    return selection;
}

QString SelectionText(const ChannelSelection& selection)
{
    QStringList channels;
    for (int channel : selection.Channels)
        channels << QString::number(channel);
    return channels.join(' ') + "@" + QString::number(selection.Current);
}

RadioImage Image(int option, const QString& tokens)
{
    RadioImage image;
    InitialiseRadioImage(image, option);
    image.Vfo.TxTone = 12, image.Vfo.BellShiftStep = 0x06; // the VFO since changed: 100.0Hz, 25KHz
    int index = 0;
    for (const QString& token : tokens.split(' ', Qt::SkipEmptyParts))
        if (token.endsWith("*-"))
            index += token.chopped(2).toInt();
        else
            image.Channels.at(index++) = Channel(image, token);
    return image;
}

QString Escaped(QString text)
{
    return text.replace("\\t", "\t").replace("\\r", "\r").replace("\\n", "\n");
}

ChannelEdit Run(const QString& op, const RadioImage& image, const ChannelSelection& s, const QString& arg)
{
    if (op == "delete")
        return DeleteChannels(image, s);
    if (op == "cut")
        return CutChannels(image, s);
    if (op == "shiftup")
        return DeleteAndShiftUp(image, s);
    if (op == "insert")
        return InsertEmptyChannel(image, s);
    if (op == "up" || op == "down")
        return MoveChannelsByOne(image, s, op == "down");
    if (op == "drop")
        return MoveChannelsTo(image, s, arg.toInt());
    if (op == "sort")
        return SortByFrequency(image, s);
    if (op == "lpd")
        return FillLpdChannels(image, s);
    if (op == "pmr")
        return FillPmrChannels(image, s);
    return PasteChannels(image, s, Escaped(arg).toStdString());
}

} // namespace

class TestChannelOperations : public QObject {
    Q_OBJECT
private slots:
    void operations_data() { test::AddDataRows("channel-operations.txt", "op"); }
    // f: operation, start window option, table before, selection, argument, table
    // after, selection after, and the step's name (with the enabled channels it
    // overwrites), "nothing" or "refused: " and the message.
    void operations()
    {
        QFETCH(QStringList, f);
        const RadioImage image = Image(f[1].toInt(), f[2]);
        const ChannelSelection selection = Selection(f[3]);
        const ChannelEdit edit = Run(f[0], image, selection, f[4]);
        QString outcome = QString::fromStdString(edit.StepName);
        if (edit.Overwritten > 0)
            outcome += " (overwrites " + QString::number(edit.Overwritten) + ")";
        if (edit.Outcome == ChannelEditOutcome::Refused)
            outcome = "refused: " + QString::fromStdString(edit.Refusal);
        if (edit.Outcome == ChannelEditOutcome::NothingToDo)
            outcome = "nothing";
        QCOMPARE(outcome, f[7]);
        QCOMPARE(Tokens(image, edit.Channels), edit.done() ? f[5] : Tokens(image, image.Channels));
        QCOMPARE(SelectionText(edit.Selection), edit.done() ? f[6] : SelectionText(selection));
        if (f[0] == "cut")
            QCOMPARE(QString::fromStdString(edit.Clipboard), Escaped(f[4]));
        if (f.size() > 8) { // the channels filled, as Ctrl+C copies them
            RadioImage after = image;
            after.Channels = edit.Channels;
            QCOMPARE(QString::fromStdString(ChannelClipboardText(after, edit.Selection)), Escaped(f[8]));
        }
    }

    void pastedTable_data() { test::AddDataRows("channel-operations.txt", "paste"); }
    // f: start window option, the pasted text, the pasted channels as Ctrl+C copies
    // them back.
    void pastedTable()
    {
        QFETCH(QStringList, f);
        RadioImage image = Image(f[0].toInt(), "433.1 433.2");
        const ChannelEdit edit = PasteChannels(image, {{1}, 1}, Escaped(f[1]).toStdString());
        QVERIFY2(edit.done(), edit.Refusal.c_str());
        image.Channels = edit.Channels;
        QCOMPARE(QString::fromStdString(ChannelClipboardText(image, edit.Selection)), Escaped(f[2]));
    }

    void editSeveral_data() { test::AddDataRows("channel-operations.txt", "edit"); }
    // f: the field changed (a text box or list by name) and its new value, the
    // shared frequency and TxTone shown, then the channels' frequencies and TxTone
    // codes after, or the refusal.
    void editSeveral()
    {
        QFETCH(QStringList, f);
        RadioImage image = Image(0, "433.1 433.1 P2 433.2");
        image.Channels.at(1).TxTone = 5;
        const ChannelSelection selection{{0, 1, 2}, 0};
        const ChannelDialogForm shared = SharedChannelFields(image, selection);
        QCOMPARE(QString::fromStdString(shared.txtFrequency) + " " + QString::number(shared.cboTxTone), f[2]);
        ChannelDialogForm edited = shared;
        if (f[0] == "txtFrequency")
            edited.txtFrequency = f[1].toStdString();
        else if (f[0] == "cboTxTone")
            edited.cboTxTone = f[1].toInt();
        else
            edited.cboStep = f[1].toInt();
        const ChannelEdit edit = EditChannels(image, selection, shared, edited);
        QStringList after{Tokens(image, edit.Channels)};
        for (int channel = 0; channel < 4; ++channel)
            after << QString::number(edit.Channels.at(channel).TxTone);
        QCOMPARE(edit.done() ? after.join(' ') : "refused: " + QString::fromStdString(edit.Refusal), f[3]);
        QCOMPARE(edit.Channels == image.Channels, !edit.done());
    }
};

QTEST_GUILESS_MAIN(TestChannelOperations)
#include "test_channel_operations.moc"
