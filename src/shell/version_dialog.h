#pragma once
// VersionDialog: the version display, the editor's own version and the controller's five unit
// versions.
#include <array>
#include <string>

#include "shell/opener_dialog.h"

class QLabel;

namespace mivo {

class VersionDialog : public OpenerDialog {
    Q_OBJECT
  public:
    static constexpr int kUnits = 5;  // main unit, X, Y, Z, R

    explicit VersionDialog(QWidget* parent = nullptr);

    // Value of unit 0..4 (Mainver, Xver, Yver, Zver, Rver), Windows-1252 bytes.
    void setValue(int unit, const std::string& text);
    QString value(int unit) const;
    void clearValues();

    void onCloseClicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::array<QLabel*, kUnits> values_{};
};

}  // namespace mivo
