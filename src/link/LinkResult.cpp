#include "link/LinkResult.h"

namespace kvr27 {

std::string DescribeLinkResult(const LinkResult& result)
{
    const auto to = [&](const char* cause) { return std::string(cause) + " to " + result.Exchange; };
    switch (result.Fault) {
    case LinkFault::None:
        return "done";
    case LinkFault::PortNotOpened:
        return "port not opened: " + result.Detail;
    case LinkFault::NoAnswer:
        return to("no answer");
    case LinkFault::WrongLength:
        return to("answer of the wrong length");
    case LinkFault::ErrorAnswer:
        return to("\"ERR\" answer");
    case LinkFault::NotHexadecimal:
        return to("answer that is not hexadecimal");
    case LinkFault::ModelMismatch:
        return result.Detail.empty() ? "the radio is of another model than the one chosen"
                                     : "the radio reports " + result.Detail + ", another model than the one chosen";
    case LinkFault::FormRefused:
        return result.Detail.empty() ? "the VFO values were refused (blank or not a number)" : result.Detail;
    case LinkFault::OutOfRange:
        return "the VFO frequency is outside the model's transmit range";
    case LinkFault::Cancelled:
        return "cancelled";
    case LinkFault::VerifyMismatch:
        return "read-back differs: " + result.Detail;
    case LinkFault::DeviceGone:
        return "the device " + result.Detail + " is gone";
    }
    return "unknown fault";
}

} // namespace kvr27
