#include "link/LinkResult.h"

#include "core/UserText.h"

namespace kvr27 {

std::string DescribeLinkResult(const LinkResult& result)
{
    // The cause is marked inside each call, where the translators' catalog finds it.
    const auto to = [&](const char* cause) { return TranslatedFormat("Reasons", cause, {result.Exchange}); };
    switch (result.Fault) {
    case LinkFault::None:
        return Translated("Reasons", "done");
    case LinkFault::PortNotOpened:
        return TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "port not opened: %1"), {result.Detail});
    case LinkFault::NoAnswer:
        return to(KVR27_TEXT("Reasons", "no answer to %1"));
    case LinkFault::WrongLength:
        return to(KVR27_TEXT("Reasons", "answer of the wrong length to %1"));
    case LinkFault::ErrorAnswer:
        return to(KVR27_TEXT("Reasons", "\"ERR\" answer to %1"));
    case LinkFault::NotHexadecimal:
        return to(KVR27_TEXT("Reasons", "answer that is not hexadecimal to %1"));
    case LinkFault::ModelMismatch:
        return result.Detail.empty()
                   ? Translated("Reasons", "the radio is of another model than the one chosen")
                   : TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "the radio reports %1, another model than the one chosen"),
                                      {result.Detail});
    case LinkFault::FormRefused:
        return result.Detail.empty() ? Translated("Reasons", "the VFO values were refused (blank or not a number)")
                                     : result.Detail;
    case LinkFault::OutOfRange:
        return Translated("Reasons", "the VFO frequency is outside the model's transmit range");
    case LinkFault::Cancelled:
        return Translated("Reasons", "cancelled");
    case LinkFault::VerifyMismatch:
        return TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "read-back differs: %1"), {result.Detail});
    case LinkFault::DeviceGone:
        return TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "the device %1 is gone"), {result.Detail});
    }
    return Translated("Reasons", "unknown fault");
}

} // namespace kvr27
