#pragma once
// The port window: the serial ports the system has (device, description, maker, USB
// ids), which COM options stand for each, whether this user may open it, and the
// device the user assigns to each of COM1 to COM5 (kept in the assignments file).
#include "core/MessageSink.h"
#include "link/SerialDeviceName.h"

#include <QDialog>

#include <array>
#include <filesystem>

class QComboBox;
class QLabel;
class QTableWidget;

namespace kvr27 {

// Shown where a port cannot be opened by this user.
inline constexpr const char* DialoutHint =
    QT_TRANSLATE_NOOP("kvr27::frmPort", "join the dialout group: sudo adduser $USER dialout, then log in again");

class frmPort : public QDialog {
    Q_OBJECT
public:
    // Lists the ports as `lookup` maps them; the choices start from `assignmentsFile`.
    frmPort(std::filesystem::path assignmentsFile, SerialDeviceLookup lookup, MessageSink& messages,
            QWidget* parent = nullptr);

    // One row per port: device, description, maker, USB vendor:product, COM, access.
    QTableWidget* tblPorts;
    // COM1 to COM5: the assigned device, empty for the one found by the search.
    std::array<QComboBox*, 5> cboAssigned{};
    QLabel* lblHint;

    // OK: keeps the choices in the assignments file (a message when it cannot be
    // written, and the window stays open).
    void accept() override;

private:
    void FillPorts();

    std::filesystem::path assignmentsFile_;
    SerialDeviceLookup lookup_;
    MessageSink& messages_;
};

} // namespace kvr27
