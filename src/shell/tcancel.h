#pragma once
// TCancel: the cancel dialog shown during every transfer, query and operation. Its button
// stops a data exchange at the next check of CancelRequested, or a running motion with "@MSTOP".
#include <QDialog>

class QLabel;
class QPushButton;

namespace mivo {

struct Screens;

class TCancel : public QDialog {
    Q_OBJECT
  public:
    explicit TCancel(Screens& screens, QWidget* parent = nullptr);

    // Label1 ("Transferring", "Operating" ...) and Button1 ("Cancel", "Stop operation").
    void setTexts(const QString& label, const QString& button);
    QString labelText() const;
    QString buttonText() const;

    // DataExchange: set while data are transferred or queried, clear while a motion runs.
    bool dataExchange() const { return dataExchange_; }
    void setDataExchange(bool on) { dataExchange_ = on; }

    void Button1Click();

  public slots:
    // Escape does nothing: only the button ends the dialog.
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Screens& screens_;
    QLabel* label_ = nullptr;
    QPushButton* button_ = nullptr;
    bool dataExchange_ = false;
};

}  // namespace mivo
