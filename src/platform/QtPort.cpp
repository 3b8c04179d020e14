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

QtPort::QtPort(SerialDeviceLookup lookup) : lookup_(std::move(lookup)) {}

bool QtPort::open(int portNumber)
{
    serial_.setPortName(QString::fromStdString(deviceName(portNumber)));
    SetRadioLine(serial_);
    if (!serial_.open(QIODevice::ReadWrite)) {
        error_ = serial_.errorString();
        serial_.clearError();
        return false;
    }
    error_.clear();
    return true;
}

void QtPort::close() { serial_.close(); }

bool QtPort::isOpen() const { return serial_.isOpen(); }

void QtPort::write(const std::string& text)
{
    serial_.write(text.data(), static_cast<qint64>(text.size()));
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
    return static_cast<std::size_t>(serial_.bytesAvailable());
}

std::string QtPort::readAll()
{
    takeReceived();
    return serial_.readAll().toStdString();
}

std::string QtPort::deviceName(int portNumber) const { return SerialDeviceName(portNumber, lookup_); }

std::string QtPort::errorText() const { return error_.toStdString(); }

} // namespace kvr27
