#pragma once
// What the flight recorder is told: an entry of some kind, its text, and when it was taken.
#include <chrono>
#include <string>

namespace mivo {

enum class FlightEntry {
    Sent,       // a command line written
    ScanQuery,  // one of the monitor's scan queries written: kept with its answer as a change
    Received,   // a reply line
    Dropped,    // bytes dropped before they could begin a reply line
    LineState,  // a channel went on or off line
    Failure,    // a failure told to the user
};

struct FlightItem {
    std::chrono::system_clock::time_point time;
    FlightEntry entry = FlightEntry::Sent;
    std::string text;  // the bytes as they came
};

// The marker after a line's time: "> " sent, "< " received, "= " a line state, "! " a failure.
inline const char* FlightMarker(FlightEntry entry) {
    switch (entry) {
        case FlightEntry::Sent:
        case FlightEntry::ScanQuery:
            return "> ";
        case FlightEntry::Received:
        case FlightEntry::Dropped:
            return "< ";
        case FlightEntry::LineState:
            return "= ";
        case FlightEntry::Failure:
            return "! ";
    }
    return "? ";
}

}  // namespace mivo
