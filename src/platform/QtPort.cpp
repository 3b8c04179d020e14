#include "platform/QtPort.h"

namespace kvr27 {

namespace {

// The radio's line: 9600 baud, 8 data bits, no parity, two stop bits, no flow
// control. DTR and RTS are left as the system opens the port.
void SetRadioLine(QSerialPort& serial)
{
    serial.setBaudRate(QSerialPort::Baud9600);
    serial.setDataBits(QSerialPort::Data8);
    serial.setParity(QSerialPort::NoParity);
    serial.setStopBits(QSerialPort::TwoStop);
    serial.setFlowControl(QSerialPort::NoFlowControl);
}

} // namespace

QtPort::QtPort(SerialDeviceLookup lookup) : lookup_(std::move(lookup))
{
    // The system tells of a removed device when the port next reads or writes, also
    // between transfers while window events run.
    QObject::connect(&serial_, &QSerialPort::errorOccurred, &serial_,
                     [this](QSerialPort::SerialPortError error) { deviceLost(error); });
}

void QtPort::deviceLost(QSerialPort::SerialPortError error)
{
    if (!serial_.isOpen() ||
        (error != QSerialPort::ResourceError && error != QSerialPort::ReadError && error != QSerialPort::WriteError))
        return;
    serial_.close();
    serial_.clearError();
}

PortOpening QtPort::open(int portNumber)
{
    serial_.setPortName(QString::fromStdString(deviceName(portNumber)));
    SetRadioLine(serial_);
    if (!serial_.open(QIODevice::ReadWrite)) {
        const std::string reason = serial_.errorString().toStdString();
        serial_.clearError();
        return {false, reason};
    }
    return {};
}

void QtPort::close() { serial_.close(); }

bool QtPort::isOpen() const { return serial_.isOpen(); }

void QtPort::write(const std::string& text)
{
    if (!serial_.isOpen())
        return;
    if (serial_.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        deviceLost(QSerialPort::WriteError);
        return;
    }
    serial_.flush();
}

void QtPort::takeReceived()
{
    if (!serial_.isOpen())
        return;
    while (serial_.waitForReadyRead(0)) {
    }
    // Nothing more waiting is reported as a timeout, which is no fault here.
    if (serial_.error() == QSerialPort::TimeoutError)
        serial_.clearError();
}

std::size_t QtPort::bytesAvailable()
{
    takeReceived();
    return serial_.isOpen() ? static_cast<std::size_t>(serial_.bytesAvailable()) : 0;
}

std::string QtPort::readAll()
{
    takeReceived();
    return serial_.isOpen() ? serial_.readAll().toStdString() : std::string();
}

std::string QtPort::peek()
{
    takeReceived();
    return serial_.isOpen() ? serial_.peek(serial_.bytesAvailable()).toStdString() : std::string();
}

std::string QtPort::deviceName(int portNumber) const { return SerialDeviceName(portNumber, lookup_); }

} // namespace kvr27
