#pragma once
// A DirectView that records the display with the enable sets as they stood at each line. As on
// the screen, the jog buttons go with the command controls, the monitor button with the monitor's.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "direct/direct_view.h"

namespace mivo::test {

class RecordingDirectView : public DirectView {
  public:
    using Sets = std::map<EnableSet, bool>;
    struct Entry {
        std::string line;
        Sets sets;  // when it was appended
    };

    // Idle on line: every set enabled; the fields with the screen's initial texts.
    RecordingDirectView() {
        for (EnableSet s : kAll) sets[s] = true;
        sets[EnableSet::PositionQueries] = sets[EnableSet::PositionFields] = true;
        fields = {{DirectField::GoStep, "0"},         {DirectField::GoPoint, "1"},
                  {DirectField::PalletNumber, "0"},   {DirectField::PalletPoint, "1"},
                  {DirectField::CounterToClear, "0"}, {DirectField::CounterToRead, "0"}};
    }

    static constexpr EnableSet kAll[] = {EnableSet::CommandControls, EnableSet::MonitorControls,
                                         EnableSet::StopPanels,      EnableSet::CancelPanel,
                                         EnableSet::IoPanels,        EnableSet::JogButtons,
                                         EnableSet::MonitorButton};

    void append(const std::string& line) override { entries.push_back({line, sets}); }
    void enable(EnableSet set, bool on) override {
        sets[set] = on;
        if (set == EnableSet::CommandControls) sets[EnableSet::JogButtons] = on;
        if (set == EnableSet::MonitorControls) sets[EnableSet::MonitorButton] = on;
    }
    std::string field(DirectField f) const override {
        const auto it = fields.find(f);
        return it == fields.end() ? std::string() : it->second;
    }
    void setField(DirectField f, const std::string& text) override {
        fields[f] = text;
        stale.erase(Name(f));
    }
    void showLine(bool online) override { lineShown = online ? "Online" : "Offline"; }
    void showMonitoring(bool) override {}
    bool screenVisible() const override { return visible; }
    void resetStepEditor() override { ++stepEditorResets; }
    bool offerToSaveSteps() override { return stepsGivenUp; }
    void showStopState(StopState state) override {
        stopUnconfirmed = state == StopState::Unconfirmed;
    }
    int jogMode() const override { return mode; }
    bool ioState(IoBank bank, int n) const override { return io.at(Bit(bank, n)) == '1'; }
    void showIo(IoBank bank, int n, bool on) override {
        io.at(Bit(bank, n)) = on ? '1' : '0';
        stale.erase(Name(bank, n));
    }
    void showIoNotCurrent(IoBank bank, int n) override { markStale(Name(bank, n)); }
    void showIoUnknown() override { io = std::string(32, '?'); }
    void showFieldNotCurrent(DirectField f) override { markStale(Name(f)); }
    static std::string Name(IoBank bank, int n) {
        return (bank == IoBank::Output ? "DO" : "DI") + std::to_string(n);
    }
    static std::string Name(DirectField f) {
        static const char* const kMonitored[] = {"Xposi", "Yposi", "Zposi", "Rposi", "Step"};
        const int k = static_cast<int>(f) - static_cast<int>(DirectField::XPosition);
        return k >= 0 ? kMonitored[k] : "an operand";
    }
    void markStale(const std::string& name) {
        stale.insert(name);
        marked.push_back(name);
    }
    static std::size_t Bit(IoBank bank, int n) {
        return static_cast<std::size_t>((bank == IoBank::Output ? 0 : 16) + n);
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const Entry& e : entries) out.push_back(e.line);
        return out;
    }
    // The sets when `line` was first appended (every set false when it never was).
    Sets setsAt(const std::string& line) const {
        for (const Entry& e : entries)
            if (e.line == line) return e.sets;
        return {};
    }
    bool idle() const {
        for (EnableSet s : {EnableSet::CommandControls, EnableSet::MonitorControls,
                            EnableSet::StopPanels, EnableSet::CancelPanel})
            if (!sets.at(s)) return false;
        return true;
    }

    Sets sets;
    std::map<DirectField, std::string> fields;
    std::vector<Entry> entries;
    std::string lineShown = "Online";
    bool visible = true;
    int stepEditorResets = 0;
    bool stepsGivenUp = true;  // the step editor's save offer: false for Cancel
    bool stopUnconfirmed = false;
    int mode = 1;
    std::string io = std::string(32, '0');  // DO0..DO15 then DI0..DI15, as shown ('?': no state)
    // Marked not current: now, and each time it was ("DO2", "DI15", "Xposi", "Step").
    std::set<std::string> stale;
    std::vector<std::string> marked;
};

}  // namespace mivo::test
