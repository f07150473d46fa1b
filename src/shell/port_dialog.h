#pragma once
// PortDialog: the COM port selection. Its choice is the one place the port choice is held; the link
// reads it at every open. The eight items COM1..COM8 come first; below them the serial ports the
// system reports (USB serial adapters, each with its description, maker and serial number), read
// anew each time the dialog opens. A reported port is chosen by its stable name where it has one.
#include <array>
#include <functional>
#include <vector>

#include "link/port_choice.h"
#include "link/serial_port.h"
#include "shell/opener_dialog.h"

class QButtonGroup;
class QLabel;
class QRadioButton;
class QVBoxLayout;

namespace mivo {

class ControllerLink;

class PortDialog : public OpenerDialog {
    Q_OBJECT
  public:
    static constexpr int kPorts = 8;

    explicit PortDialog(const ControllerLink& link, QWidget* parent = nullptr);

    // The COM item chosen (0..7); -1 while a reported port is chosen.
    int itemIndex() const;
    void setItemIndex(int index);
    // The device shown beside COMn (1..8).
    QString deviceShown(int portNumber) const;
    // What the line opens: COMn, or the reported port chosen.
    PortChoice portChoice() const;
    // Chooses the reported port `device` (remembered from an earlier run: a stable name or a
    // device); listed when the dialog opens, marked when it is gone.
    void setReportedDevice(const QString& device) { chosenDevice_ = device; }
    // Where the reported ports come from; the system's by default.
    void setPortLister(std::function<std::vector<ReportedPort>()> lister);

    // Shows the dialog for `opener`, which "Set" enables again.
    void openFrom(QWidget* opener);
    void onSetClicked();

  public slots:
    // Escape and closing leave the dialog with the choice it was opened with.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showDevices();
    void listReportedPorts();

    const ControllerLink& link_;
    QButtonGroup* group_ = nullptr;
    std::array<QLabel*, kPorts> devices_{};
    QVBoxLayout* reportedLayout_ = nullptr;
    QLabel* noneFound_ = nullptr;
    std::vector<QRadioButton*> reported_;
    std::vector<QString> reportedDevices_;  // by item, beside reported_: the names chosen
    QString chosenDevice_;                  // the reported port chosen; empty: a COM item
    int openedItem_ = 0;                    // the choice when the dialog was opened
    QString openedDevice_;
    std::function<std::vector<ReportedPort>()> lister_;
};

}  // namespace mivo
