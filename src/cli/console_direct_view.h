#pragma once
// `mivo direct`'s screen: the direct-operation view on a terminal.
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <utility>

#include "cli/report_output.h"
#include "common/readable_text.h"
#include "direct/direct_session.h"
#include "direct/direct_view.h"

namespace mivo {

// The screen on a terminal: each display line printed as it is appended, the fields the
// arguments set, and the filled position and step fields printed at the end.
class ConsoleDirectView : public DirectView {
  public:
    // A reply is shown as it came, but no control byte from the line reaches the terminal.
    void append(const std::string& line) override {
        std::cout << EscapeControlBytes(line) << std::endl;
        written();
    }
    void enable(EnableSet, bool) override {}
    std::string field(DirectField f) const override {
        const auto it = fields_.find(f);
        return it == fields_.end() ? std::string() : it->second;
    }
    void setField(DirectField f, const std::string& text) override {
        fields_[f] = text;
        filled_[f] = true;
    }
    void showLine(bool) override {}
    void showMonitoring(bool) override {}
    bool screenVisible() const override { return true; }
    bool offerToSaveSteps() override { return true; }  // no step editor: nothing to save
    void resetStepEditor() override {}
    // The command fails with it; nothing follows that could call it off.
    void showStopState(StopState state) override {
        if (state == StopState::Unconfirmed) std::cerr << "mivo: " << kStopUnconfirmed << std::endl;
    }
    int jogMode() const override { return mode; }
    bool ioState(IoBank bank, int n) const override { return io_[Bit(bank, n)] == '1'; }
    void showIo(IoBank bank, int n, bool on) override { io_[Bit(bank, n)] = on ? '1' : '0'; }

    int mode = 1;
    // Runs once when a line could not be written: the command stops as on a stop signal.
    std::function<void()> outputFailed;

    // One monitor scan: the outputs and inputs as 0/1 (0 first), the positions and the step.
    void printScan() {
        std::cout << "DO: " << io_.substr(0, 16) << "\nDI: " << io_.substr(16) << '\n';
        printFilled();
        written();
    }

    // The arguments, before the command runs.
    void preset(DirectField f, const std::string& text) { fields_[f] = text; }
    void printFilled() const {
        static const std::pair<DirectField, const char*> kShown[] = {
            {DirectField::XPosition, "X Position"},
            {DirectField::YPosition, "Y Position"},
            {DirectField::ZPosition, "Z Position"},
            {DirectField::RPosition, "R Position"},
            {DirectField::Step, "STEP No."}};
        for (const auto& [f, name] : kShown)
            if (filled_.count(f)) std::cout << name << ": " << fields_.at(f) << '\n';
    }

  private:
    void written() {
        if (ReportsWritten() || failed_) return;
        failed_ = true;
        if (outputFailed) outputFailed();
    }
    static std::size_t Bit(IoBank bank, int n) {
        return static_cast<std::size_t>((bank == IoBank::Output ? 0 : 16) + (n & 15));
    }

    std::map<DirectField, std::string> fields_;
    std::map<DirectField, bool> filled_;
    std::string io_ = std::string(32, '0');
    bool failed_ = false;
};

}  // namespace mivo
