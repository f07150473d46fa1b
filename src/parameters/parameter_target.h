#pragma once
// The parameter table as the parameter procedures write it, with the editor's callbacks.
#include <functional>

#include "parameters/parameter_table.h"

namespace mivo {

struct ParameterTarget {
    ParameterTable& table;
    // Raises the editor's ParameterModified; may be empty.
    std::function<void()> setModified = {};
    // Parameters first..last changed (value or initial value): the grid shows them.
    std::function<void(int first, int last)> showValues = {};
    // The value of `number` was read from the controller, in the order the values came.
    std::function<void(int number)> received = {};

    void modified() const {
        if (setModified) setModified();
    }
    void shown(int first, int last) const {
        if (showValues) showValues(first, last);
    }
    void read(int number) const {
        if (received) received(number);
    }
};

}  // namespace mivo
