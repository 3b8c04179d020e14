#pragma once
// Shared pieces of the file tests: a random image whose every value is one the
// files keep, and a failed write made real by a file size limit.
#include "core/AppState.h"

#include <QRandomGenerator>

#include <sys/resource.h>

#include <csignal>

namespace kvr27::test {

// The fallbacks of the hand-written files: each differs from the files' own values.
inline VfoDefaults TestDefaults()
{
    VfoDefaults d;
    d.TxTone = 7;
    d.RxTone = 8;
    d.PmrTone = 9;
    d.PmrChannel = 3;
    d.ShiftFreq = 60000;
    d.BatteryBeepSquelch = 5;
    d.BellShiftStep = 3;
    d.BcloCallTot = 0x10;
    d.SkipScanApo = 1;
    d.EpoLamp = 0x20;
    d.RptShiftFreq = 70000;
    d.RptTone = 11;
    d.RptFlags = 0x20;
    return d;
}

// Every field of every record random within the values that come back unchanged
// from a file (labels in their tables, no code 3 in a 2-bit group, offsets up to
// 99.5 MHz); about half the channels enabled, a PMR or LPD mode for the dual-band
// model and PMR for its PMR-only variant.
inline void RandomiseImage(AppState& state, QRandomGenerator& random)
{
    auto pick = [&](int from, int to) { return static_cast<int>(random.bounded(from, to + 1)); };
    VfoSettings& v = state.Image.Vfo;
    v.Frequency = pick(-2000000000, 2000000000);
    v.LockPowerTone = static_cast<std::uint8_t>(pick(0, 3) << 6 | pick(0, 2));
    v.VfoReserved1 = static_cast<std::uint8_t>(pick(0, 255));
    v.VfoReserved2 = static_cast<std::uint8_t>(pick(0, 255));
    v.TxTone = static_cast<std::uint8_t>(pick(0, 38));
    v.RxTone = static_cast<std::uint8_t>(pick(0, 38));
    v.PmrTone = static_cast<std::uint8_t>(pick(0, 39));
    v.PmrChannel = static_cast<std::uint8_t>(pick(1, 8));
    v.CurrentChannel = static_cast<std::uint8_t>(pick(0, 100));
    for (auto& extra : v.ExtraBytes)
        extra = static_cast<std::uint8_t>(pick(0, 255));
    v.ShiftFreq = pick(0, 9950000);
    v.BatteryBeepSquelch = static_cast<std::uint8_t>(pick(0, 7) << 5 | pick(0, 20));
    v.BellShiftStep = static_cast<std::uint8_t>(pick(0, 3) << 6 | pick(0, 2) << 4 | pick(0, 8));
    v.BcloCallTot = static_cast<std::uint8_t>(pick(0, 1) << 7 | pick(0, 4) << 4 | pick(0, 15));
    v.SkipScanApo = static_cast<std::uint8_t>(pick(0, 31) << 3 | pick(0, 4));
    v.EpoLamp = static_cast<std::uint8_t>(pick(0, 1) << 7 | pick(0, 2) << 4 | pick(0, 15));
    v.RptShiftFreq = pick(0, 9950000);
    v.RptTone = static_cast<std::uint8_t>(pick(0, 38));
    v.RptFlags = static_cast<std::uint8_t>(pick(0, 3) << 6 | pick(0, 2) << 4 | pick(0, 15));

    const std::string& model = state.Image.ModelName;
    for (ChannelRecord& r : state.Image.Channels) {
        std::uint8_t mode = 0;
        if (model == "KV-R27PA")
            mode = pick(0, 1) ? 8 : 4;
        else if (model == "KV-R27PA(PMR only)")
            mode = 8;
        r.Frequency = mode == 8 ? pick(1, 8) * 16777216 : pick(0, 2000000000);
        r.ShiftFreq = pick(0, 9950000);
        r.TxTone = static_cast<std::uint8_t>(pick(0, 38));
        r.RxTone = static_cast<std::uint8_t>(pick(0, 38));
        r.PmrTone = static_cast<std::uint8_t>(pick(0, 39));
        r.ChannelFlags = static_cast<std::uint8_t>(pick(0, 3) << 6 | pick(0, 2) << 4 | mode | pick(0, 2));
        r.Step = static_cast<std::uint8_t>(pick(0, 8));
        r.Enabled = pick(0, 1) == 1;
    }
}

// While it lives, files of this process cannot grow beyond `bytes`: a write past
// that fails with "File too large", as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace kvr27::test
