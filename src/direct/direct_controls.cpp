#include "direct/direct_controls.h"

namespace mivo {

std::vector<std::string> IoPanelNames(const char* prefix) {
    std::vector<std::string> out;
    for (int n = 0; n < 16; ++n) out.push_back(prefix + std::to_string(n));
    return out;
}

std::vector<std::string> EnableSetMembers(EnableSet set) {
    std::vector<std::string> out;
    switch (set) {
        case EnableSet::CommandControls: {
            out = {"ORG",     "RUN",        "SRUN",    "OFF",   "ZI",    "INITCALL", "INITPGM",
                   "INITPRM", "INITPGMALL", "INITERR", "RSNO",  "RNO",   "RPOS",     "RORG",
                   "REL",     "MOMCH",      "GO",      "PALGO", "INITC", "RC"};
            for (const char* jog : kJogButtons) out.push_back(jog);
            for (const auto& di : IoPanelNames("DI")) out.push_back(di);
            break;
        }
        case EnableSet::MonitorControls:
            // The hidden monitor-run and monitor-origin buttons are the monitor's own.
            out = {"Xposi", "Yposi", "Zposi", "Rposi", "Step", "MoniRun", "MoniOrg", "monistart"};
            break;
        case EnableSet::StopPanels:
            out = {"MSTOP", "STOP"};
            break;
        case EnableSet::CancelPanel:
            out = {"CancelButton"};
            break;
        case EnableSet::IoPanels:
            out = IoPanelNames("DO");
            for (const auto& di : IoPanelNames("DI")) out.push_back(di);
            break;
        case EnableSet::JogButtons:
            out.assign(kJogButtons.begin(), kJogButtons.end());
            break;
        case EnableSet::MonitorButton:
            out = {"monistart"};
            break;
        case EnableSet::PositionQueries:
            out = {"RSNO", "RPOS"};
            break;
        case EnableSet::PositionFields:
            out = {"Xposi", "Yposi", "Zposi", "Rposi", "Step"};
            break;
    }
    return out;
}

}  // namespace mivo
