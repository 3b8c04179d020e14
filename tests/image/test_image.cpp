// The radio image: frequency texts, start-up values (and the demo radio of
// kvr27-sim --model), model rules, and the codecs between the image and the form
// states of the VFO window, the channel grid and the channel dialog.
#include "DemoRadio.h"
#include "SimOptions.h"
#include "commands/AppState.h"
#include "files/CloneFile.h"
#include "image/ChannelDialogForm.h"
#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/Startup.h"
#include "image/VfoCodec.h"
#include "support/FileText.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

using namespace kvr27;
using test::RecordingMessageSink;

namespace {

// Fills whose values all pass the boxes' filters.
SilentMessageSink quiet;

AppState StartedAs(int option)
{
    AppState state;
    StartWithModel(state, option);
    return state;
}

// Columns 0 to 11 of a grid row, "/" between them.
QString RowText(const ChannelGrid& grid, int row)
{
    QStringList texts;
    for (int col = 0; col < ChannelGrid::Cols; ++col)
        texts << QString::fromStdString(grid.TextMatrix(row, col));
    return texts.join('/');
}

// The packed bytes of the VFO settings, in their order.
const std::array<std::uint8_t VfoSettings::*, 7> PackedBytes = {
    &VfoSettings::LockPowerTone, &VfoSettings::BatteryBeepSquelch, &VfoSettings::BellShiftStep,
    &VfoSettings::BcloCallTot,   &VfoSettings::SkipScanApo,        &VfoSettings::EpoLamp,
    &VfoSettings::RptFlags};

} // namespace

class TestImage : public QObject {
    Q_OBJECT
private slots:
    // Decimal text times a factor, halves to even; nothing that does not fit. A text
    // of five decimals is also how the count is shown. (The texts the boxes refuse
    // while typing: test_editors_rules.)
    // f: text, factor, count.
    void parseFrequency_data() { test::AddDataRows("image.txt", "parse"); }
    void parseFrequency()
    {
        QFETCH(QStringList, f);
        const QString& text = f[0];
        const auto result = ScaleDecimalText(text.toStdString(), f[1].toLongLong());
        QCOMPARE(result ? QString::number(*result) : "refused", f[2]);
        if (result && text.indexOf('.') == text.size() - 6)
            QCOMPARE(QString::fromStdString(FormatFrequency(*result)), text);
    }

    // The start window's OK: every VFO field and every channel of the model, the
    // defaults taken from them, and the grid showing 100 empty rows.
    // f: option, model, then code, frequency, shift, step, BcloCallTot, RptFlags.
    void startupValues_data() { test::AddDataRows("image.txt", "start"); }
    void startupValues()
    {
        QFETCH(QStringList, f);
        const int option = f[0].toInt();
        const QList<int> n = test::Numbers(f[2]);
        const int code = n[0], frequency = n[1], shift = n[2];
        const auto step = std::uint8_t(n[3]), bclo = std::uint8_t(n[4]), rpt = std::uint8_t(n[5]);
        const VfoSettings vfo{frequency, 0x40, 0, 0, 8, 8, 39, 1, 0, {}, shift, 0x67, step, bclo, 0, 0, 500000, 8, rpt};
        AppState state;
        state.Image.Vfo.VfoReserved1 = 0x55; // left from an earlier run: start-up clears it
        state.History.push({});
        StartWithModel(state, option);

        QCOMPARE(QString::fromStdString(state.Image.ModelName), f[1]);
        QCOMPARE(int(state.Image.ModelCode), code);
        // kvr27-sim --model takes the same name; its demo radio reports the same code,
        // and its channels pass every load rule of the clone file unchanged.
        std::string error;
        const int demoOption = std::min(option, 4);
        const auto options = sim::ParseSimOptions({"--model", f[1].toStdString()}, error);
        QVERIFY(options && options->model == demoOption);
        QCOMPARE(int(sim::DemoMemory(demoOption).at(0x7F6)), code);
        RadioImage demo;
        InitialiseRadioImage(demo, demoOption);
        sim::AddDemoChannels(demo);
        CloneFileContent content;
        std::vector<CloneFileReplacement> replaced;
        QVERIFY(ParseCloneFile(CloneFileText(demo), demo.Defaults, content, &replaced).ok() && replaced.empty());
        for (const std::string name : {"KV-R27 PA", "kv-r27pa"}) // the start window's caption, another case
            QVERIFY(!sim::ParseSimOptions({"--model", name}, error) && error == "unknown model: " + name);
        QVERIFY(state.Image.Vfo == vfo);
        QVERIFY(state.Image.Defaults == (VfoDefaults{frequency, 0x40, 8, 8, 39, 1, shift, 0x67, step, bclo, 0, 0,
                                                     500000, 8, rpt}));
        QVERIFY(!state.History.unsaved());
        const bool pmrColumns = option == 0 || option == 3;
        QCOMPARE(QString::fromStdString(state.Grid.TextMatrix(0, 10)), pmrColumns ? "PmrTone" : "--");
        for (int row = 1; row <= 100; ++row) {
            QVERIFY(state.Image.Channels.at(row - 1) == (ChannelRecord{frequency, shift, 8, 8, 39, 0, step, false}));
            QCOMPARE(RowText(state.Grid, row), QString::number(row - 1) + "//////////" + (pmrColumns ? "/" : "--/--"));
        }
        QCOMPARE(state.Grid.Row, 1);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.Image.Channels.at(100));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.Grid.SetTextMatrix(101, 0, "x"));
    }

    // The transmit ranges by model and radio code, with or without their messages, and
    // the windows' remark on a frequency outside them.
    // f: model, code, text, show range, show model, verdict, message, range, detail.
    void checkFrequencyRange_data() { test::AddDataRows("image.txt", "range"); }
    void checkFrequencyRange()
    {
        QFETCH(QStringList, f);
        RadioImage image;
        image.ModelName = f[0].toStdString();
        image.ModelCode = static_cast<std::uint8_t>(f[1].toInt());
        RecordingMessageSink messages;
        const std::map<QString, RangeVerdict> verdicts = {{"InRange", RangeVerdict::InRange},
            {"OutsideRange", RangeVerdict::OutsideRange}, {"OtherModel", RangeVerdict::OtherModel}};
        const RangeVerdict expected = verdicts.at(f[5]);
        QCOMPARE(CheckFrequencyRange(image, f[2].toStdString(), f[3] == "1", f[4] == "1", messages), expected);
        QCOMPARE(CodeBelongsToModel(image.ModelName, image.ModelCode), expected != RangeVerdict::OtherModel);
        QVERIFY(messages.shown == (f[6].isEmpty() ? std::vector<test::ShownMessage>{}
                                                  : std::vector<test::ShownMessage>{{f[6].toStdString(), MessageIcon::None,
                                                                                     false, f[8].toStdString()}}));
        const QString remark = QString("%1 MHz is outside this radio's range, %2 MHz: it will not be written.");
        QCOMPARE(QString::fromStdString(OutOfRangeRemark(image, f[2].toStdString())),
                 f[7].isEmpty() ? "" : remark.arg(f[2], f[7]));
    }

    // The seven packed bytes through the VFO window and back: what the option groups
    // and lists show, and the bytes collected again. Codes 3 of the three-way groups
    // leave the options as the start-up fill set them (None, None, On(5s), "-"), list
    // codes outside their lists are kept, and scan skip is never collected.
    // f: bytes, what the window shows, the bytes collected.
    void packedBytes_data() { test::AddDataRows("image.txt", "packed"); }
    void packedBytes()
    {
        QFETCH(QStringList, f);
        const QList<int> bytes = test::Numbers(f[0]);
        AppState state = StartedAs(0);
        for (std::size_t i = 0; i < PackedBytes.size(); ++i)
            state.Image.Vfo.*PackedBytes[i] = static_cast<std::uint8_t>(bytes[qsizetype(i)]);
        FillVfoWindow(state.Image, state.Vfo, quiet);
        const VfoForm& v = state.Vfo;
        QCOMPARE((QList<int>{v.optKeyLock, v.optTxPower, v.optToneSet, v.optBattery, v.optBeep, v.optBs,
                             QString::fromStdString(v.txtSquelch).toInt(), v.optBell, v.optStb, v.optShift, v.cboStep,
                             v.optBclo, v.CboCallTone, v.cboTot, v.optSkip, v.optScan, v.cboApo, v.optEpo, v.optLamp,
                             v.optRptShift, v.optRptTone}),
                 test::Numbers(f[1]));
        QCOMPARE(CollectVfoWindow(state.Image, state.Vfo, quiet), FormVerdict::Taken);
        QList<int> after;
        for (auto field : PackedBytes)
            after << state.Image.Vfo.*field;
        QCOMPARE(after, test::Numbers(f[2]));
    }

    // f: the box, the text typed (empty: a blank box).
    void collectRefuses_data() { test::AddDataRows("image.txt", "refuse"); }
    void collectRefuses()
    {
        QFETCH(QStringList, f);
        const QString& text = f[1];
        const std::map<QString, std::string VfoForm::*> boxes = {{"txtFrequency", &VfoForm::txtFrequency},
            {"txtShiftFreq", &VfoForm::txtShiftFreq}, {"txtRptShiftFreq", &VfoForm::txtRptShiftFreq},
            {"txtPmrFreq", &VfoForm::txtPmrFreq}, {"txtSquelch", &VfoForm::txtSquelch}};
        AppState state = StartedAs(0);
        state.Vfo.txtSquelch = "3"; // edits that must not be stored either
        state.Vfo.optKeyLock = 0;
        state.Vfo.*boxes.at(f[0]) = text.toStdString();
        const VfoSettings before = state.Image.Vfo;
        RecordingMessageSink messages;
        QCOMPARE(CollectVfoWindow(state.Image, state.Vfo, messages),
                 text.isEmpty() ? FormVerdict::BlankBox : FormVerdict::NotANumber);
        QVERIFY(messages.shown == std::vector<test::ShownMessage>{
                                      {text.isEmpty() ? EditingIncompleteMessage : NotANumberMessage}});
        QVERIFY(state.Image.Vfo == before);
    }

    // f: model, channel record, grid texts.
    void gridRowTexts_data() { test::AddDataRows("image.txt", "grid"); }
    void gridRowTexts()
    {
        QFETCH(QStringList, f);
        const QList<int> r = test::Numbers(f[1]);
        AppState state = StartedAs(0);
        state.Image.ModelName = f[0].toStdString();
        SetupChannelGrid(state.Grid, state.Image.ModelName);
        state.Image.Channels.at(41) = {r[0], r[1], std::uint8_t(r[2]), std::uint8_t(r[3]), std::uint8_t(r[4]),
                                       std::uint8_t(r[5]), std::uint8_t(r[6]), r[7] == 1};
        RefreshChannelGrid(state.Image, state.Grid);
        QCOMPARE(RowText(state.Grid, 42), "41/" + f[2]);
    }

    // On an empty channel the dialog shows the defaults and stores them; on a PMR
    // record it shows the channel, and shift code 3 and tone code 3 select nothing.
    void dialogLoadsAndStores()
    {
        AppState state = StartedAs(0);
        state.Image.Vfo.Frequency = 43000000; // the VFO moved after start-up; defaults did not
        SelectChannelRow(state.Grid, 1);
        ChannelDialogForm form;
        LoadChannelDialog(state.Image, state.Grid, form, quiet);
        QCOMPARE(form.txtFrequency + ' ' + form.txtShiftFreq, std::string("434.00000 0.60000"));
        // Step 12.5KHz, PMR tone Off, no shift, skip and BCLO Off, no tone, LPD.
        QCOMPARE((QList<int>{form.cboStep, form.cboPmrTone, form.optShift, form.optSkip, form.optBclo, form.optToneSet,
                             form.optModel}),
                 (QList<int>{3, 39, 0, 1, 1, 0, 0}));
        QVERIFY(form.Enabled.isEnabled("Frame1_0") && !form.Enabled.isEnabled("Frame1_7") &&
                !form.Enabled.isEnabled("Label1_2") && !form.Enabled.isEnabled("txtPmrFreq"));
        QCOMPARE(StoreChannelDialog(state.Image, state.Grid, form, quiet), FormVerdict::Taken);
        QVERIFY(state.Image.Channels.at(0) == (ChannelRecord{43400000, 60000, 8, 8, 39, 0x04, 3, true}));
        QVERIFY(state.Grid.Look[1] == RowLook::Normal);
        QCOMPARE(state.Grid.TextMatrix(1, 1), std::string("434.00000"));

        state.Image.Channels.at(2) = {0x05000000, 12500, 1, 2, 3, 0x08 | 0x30 | 0x03, 0x21, true};
        RefreshChannelGrid(state.Image, state.Grid);
        SelectChannelRow(state.Grid, 3);
        ChannelDialogForm pmr;
        LoadChannelDialog(state.Image, state.Grid, pmr, quiet);
        QCOMPARE(pmr.txtPmrFreq + ' ' + pmr.txtFrequency + ' ' + pmr.txtShiftFreq, "5 434.00000 0.12500");
        QCOMPARE((QList<int>{pmr.optModel, pmr.cboStep, pmr.optShift, pmr.optToneSet}),
                 (QList<int>{1, 1, NoSelection, NoSelection}));
        QVERIFY(!pmr.Enabled.isEnabled("Frame1_0") && pmr.Enabled.isEnabled("Frame1_11"));

        // Shift + and tone TSQ stored with the mode the dialog allows: flags, frequency.
        for (auto [option, mode, modeFrameEnabled, flags, frequency] :
             {std::tuple{0, 0, true, 0x16, 43400000}, {0, 1, true, 0x1A, 0x08000000} /* PMR channel 8 */,
              {1, 0, false, 0x12, 43400000}, {2, 1, false, 0x12, 43400000} /* the X keeps MHz */}) {
            AppState other = StartedAs(option);
            SelectChannelRow(other.Grid, 10);
            ChannelDialogForm form;
            LoadChannelDialog(other.Image, other.Grid, form, quiet);
            form.Enabled.set("Frame1_10", modeFrameEnabled);
            form.optModel = mode, form.optShift = 1, form.optToneSet = 2, form.txtFrequency = "434", form.txtPmrFreq = "8";
            QCOMPARE(StoreChannelDialog(other.Image, other.Grid, form, quiet), FormVerdict::Taken);
            const ChannelRecord& channel = other.Image.Channels.at(9);
            QCOMPARE((QList<int>{channel.ChannelFlags, channel.Frequency}), (QList<int>{flags, frequency}));
        }
    }

};

QTEST_GUILESS_MAIN(TestImage)
#include "test_image.moc"
