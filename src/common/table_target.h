#pragma once
// A table (the steps, the parameters) as the procedures write it, with the editor's callbacks.
#include <functional>

namespace mivo {

template <class Table>
struct TableTarget {
    Table& table;
    // Raises the editor's modified flag (StepModified, ParameterModified); may be empty.
    std::function<void()> setModified = {};
    // Rows first..last were written: the grid shows them as they come; may be empty.
    std::function<void(int first, int last)> showRows = {};
    // Row `number` was read from the controller, in the order the rows came; may be empty.
    std::function<void(int number)> received = {};

    void modified() const {
        if (setModified) setModified();
    }
    void shown(int first, int last) const {
        if (showRows) showRows(first, last);
    }
    void read(int number) const {
        if (received) received(number);
    }
};

}  // namespace mivo
