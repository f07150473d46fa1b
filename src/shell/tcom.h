#pragma once
// Tcom: the COM port selection. Its item index (0..7, COM1 by default) is the one place the
// port choice is held; the link reads index + 1 at every open.
#include <QDialog>
#include <array>

class QButtonGroup;
class QLabel;

namespace mivo {

struct Screens;

class Tcom : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPorts = 8;

    explicit Tcom(Screens& screens, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    // The device shown beside COMn (1..8).
    QString deviceShown(int portNumber) const;

    // Shows the dialog for `opener`, which "Set" enables again.
    void openFrom(QWidget* opener);
    void SetClick();

  public slots:
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showDevices();

    Screens& screens_;
    QWidget* opener_ = nullptr;
    QButtonGroup* group_ = nullptr;
    std::array<QLabel*, kPorts> devices_{};
};

}  // namespace mivo
