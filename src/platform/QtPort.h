#pragma once
// The serial port that reaches the radio: a QSerialPort on the device the COM
// option stands for (SerialDeviceName), with the radio's line settings.
#include "link/Port.h"
#include "link/SerialDeviceName.h"

#include <QSerialPort>

namespace kvr27 {

class QtPort : public Port {
public:
    explicit QtPort(SerialDeviceLookup lookup);

    PortOpening open(int portNumber) override;
    void close() override;
    bool isOpen() const override;
    void write(const std::string& text) override;
    std::size_t bytesAvailable() override;
    std::string readAll() override;
    std::string peek() override;
    std::string deviceName(int portNumber) const override;

private:
    // Moves what the system has received into the port's buffer, so a count or a
    // flush sees every character that has arrived.
    void takeReceived();
    // The device went away (a resource, read or write error of an open port): the
    // port closes, so the next open reaches the device anew.
    void deviceLost(QSerialPort::SerialPortError error);

    SerialDeviceLookup lookup_;
    QSerialPort serial_;
};

} // namespace kvr27
