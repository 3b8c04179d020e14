#pragma once
// The radio emulator on a pseudo-terminal, answered by a thread of this process
// while a transfer runs. Between transfers the thread is stopped, so the soak can
// look at the radio's memory and commands and switch its fault without sharing
// anything with a running thread.
#include "PtyRadio.h"
#include "RadioEmulator.h"

#include <chrono>
#include <string>
#include <thread>

namespace kvr27::soak {

class ThreadRadio {
public:
    // A radio holding `memory`; a Delay fault answers `lateBy` after the command.
    ThreadRadio(const sim::RadioEmulator::Memory& memory, std::chrono::milliseconds lateBy);
    ~ThreadRadio();
    ThreadRadio(const ThreadRadio&) = delete;
    ThreadRadio& operator=(const ThreadRadio&) = delete;

    // Creates the pseudo-terminal, or says why not.
    PortOpening open();
    // The device the program opens.
    const std::string& device() const { return pty_.devicePath(); }

    // The radio; touch it only while the thread is stopped.
    sim::RadioEmulator& radio() { return radio_; }

    // Starts answering.
    void start();
    // Keeps answering for `settle` more (so late characters reach the line), then
    // stops. A radio that hung up has stopped on its own.
    void stop(std::chrono::milliseconds settle = {});

private:
    sim::RadioEmulator radio_;
    sim::PtyRadio pty_;
    std::thread thread_;
};

} // namespace kvr27::soak
