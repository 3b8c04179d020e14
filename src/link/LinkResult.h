#pragma once
// How an exchange or a transfer with the radio ended: success, or which exchange
// failed and why, so that a caller without windows can tell the user the cause.
#include <string>

namespace kvr27 {

enum class LinkFault {
    None,
    PortNotOpened,  // the port could not be opened (Detail: the device and the system's reason)
    NoAnswer,       // nothing beyond the echo came back within the tick
    WrongLength,    // an answer of a length the exchange does not expect
    ErrorAnswer,    // the radio answered "ERR"
    NotHexadecimal, // a data answer with a character that is no hexadecimal digit
    ModelMismatch,  // the radio's model code does not belong to the chosen model
    FormRefused,    // the VFO form's values could not be taken (blank or no number)
    OutOfRange,     // the transmit frequency is outside the model's range
    Cancelled,      // the user cancelled a read between two exchanges
    VerifyMismatch, // the read-back after a write differs (Detail: place, address, values)
    DeviceGone,     // the device behind the open port went away (Detail: the device)
};

struct [[nodiscard]] LinkResult {
    LinkFault Fault = LinkFault::None;
    std::string Exchange; // the command of the failed exchange, without its carriage return
    // PortNotOpened: "COMn (device): reason"; ModelMismatch: the model the radio
    // reports (ReportedModel); VerifyMismatch: what differs; DeviceGone: the device;
    // FormRefused: the message that said why.
    std::string Detail;

    bool ok() const { return Fault == LinkFault::None; }
};

// One line for the user: the cause, and the exchange or the port it concerns
// ("no answer to QZ~F0700R", "port not opened: COM1 (/dev/ttyUSB0): No such file",
// "the device /dev/ttyUSB0 is gone").
std::string DescribeLinkResult(const LinkResult& result);

} // namespace kvr27
