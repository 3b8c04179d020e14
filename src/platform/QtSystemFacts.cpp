#include "platform/QtSystemFacts.h"

#include <QSerialPortInfo>
#include <QSysInfo>
#include <QtGlobal>

namespace kvr27 {

namespace {

std::string CompilerText()
{
#if defined(__clang__)
    return "clang " __clang_version__;
#elif defined(__GNUC__)
    return "GCC " __VERSION__;
#elif defined(_MSC_VER)
    return "MSVC " + std::to_string(_MSC_VER);
#else
    return "unknown compiler";
#endif
}

} // namespace

SystemFacts CurrentSystemFacts()
{
    SystemFacts facts;
    facts.Build = CompilerText() + ", " KVR27_BUILD_TYPE ", " + QSysInfo::buildAbi().toStdString();
    facts.System = QSysInfo::prettyProductName().toStdString() + ", " + QSysInfo::kernelType().toStdString() +
                   " " + QSysInfo::kernelVersion().toStdString() + ", " +
                   QSysInfo::currentCpuArchitecture().toStdString();
    facts.QtVersion = std::string(qVersion()) + " (built with " QT_VERSION_STR ")";
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortFacts port{info.portName().toStdString(), info.description().toStdString(), {}, {}};
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.VendorId = info.vendorIdentifier();
            port.ProductId = info.productIdentifier();
        }
        facts.Ports.push_back(std::move(port));
    }
    return facts;
}

} // namespace kvr27
