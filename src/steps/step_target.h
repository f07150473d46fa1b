#pragma once
// The step table as the step procedures write it, with the step editor's callbacks.
#include <functional>

#include "steps/step_table.h"

namespace mivo {

struct StepTarget {
    StepTable& table;
    // Raises the editor's StepModified; may be empty.
    std::function<void()> setModified = {};
    // Steps first..last of the table were written (the grid shows them as they come).
    std::function<void(int first, int last)> showSteps = {};

    void modified() const {
        if (setModified) setModified();
    }
    void written(int first, int last) const {
        if (showSteps) showSteps(first, last);
    }
};

}  // namespace mivo
