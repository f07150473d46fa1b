#pragma once
// SettingsDialog: what the editor does with each run beyond its own screens, and the language it
// speaks, remembered between runs: the command run after each run, the plant's MQTT broker, the
// language. OK takes the fields (a broker that is no address is refused, naming why, and the
// dialog stays); Cancel leaves the settings as they were. A language chosen is spoken from the
// next start (said then).
#include <QDialog>
#include <functional>
#include <string>

class QComboBox;
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

    // The language chosen: "en", "de", "ja", or "" for the system's.
    const std::string& language() const { return language_; }
    void setLanguage(const std::string& code);

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
    std::string language_;
    QComboBox* languages_ = nullptr;
};

}  // namespace mivo
