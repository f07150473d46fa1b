#pragma once
// TVer: the version display, the editor's own version and the controller's five unit versions.
#include <QDialog>
#include <array>
#include <string>

class QLabel;

namespace mivo {

struct Screens;

class TVer : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kUnits = 5;  // main unit, X, Y, Z, R

    explicit TVer(Screens& screens, QWidget* parent = nullptr);

    // Value of unit 0..4 (Mainver, Xver, Yver, Zver, Rver), Windows-1252 bytes.
    void setValue(int unit, const std::string& text);
    QString value(int unit) const;
    void clearValues();

    void CloseClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    Screens& screens_;
    std::array<QLabel*, kUnits> values_{};
};

}  // namespace mivo
