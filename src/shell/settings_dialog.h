#pragma once
// SettingsDialog: what the editor does with each run beyond its own screens, remembered between
// runs: the command run after each run and the plant's MQTT broker. OK takes the fields (a
// broker that is no address is refused, naming why, and the dialog stays); Cancel leaves the
// settings as they were.
#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;

namespace mivo {

class Prompter;

struct PlantChoice {
    std::string afterRun;  // "" for none
    std::string broker;    // "mqtt://HOST:PORT/PREFIX"; "" for none
    bool operator==(const PlantChoice&) const = default;
};

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // What is wrong with a broker's address; "" when it is one.
    using BrokerCheck = std::function<std::string(const std::string&)>;

    SettingsDialog(Prompter& prompter, BrokerCheck brokerCheck, QWidget* parent = nullptr);

    const PlantChoice& plant() const { return plant_; }
    // Takes `plant` as the settings (the remembered ones at the start) and applies it.
    void setPlant(const PlantChoice& plant);
    // Called with the settings each time they are set.
    std::function<void(const PlantChoice&)> applied;

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showPlant();  // the fields from the settings in force

    Prompter& prompter_;
    BrokerCheck brokerCheck_;
    PlantChoice plant_;
    QLineEdit* afterRun_ = nullptr;
    QLineEdit* broker_ = nullptr;
};

}  // namespace mivo
