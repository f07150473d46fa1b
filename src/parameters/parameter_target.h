#pragma once
// The parameter table as the parameter procedures write it, with the editor's callbacks.
#include <functional>
#include <string>

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

// The parameter editor's table, as another screen has the controller's values written into
// it (the direct-operation screen's INIT PRM).
class ParameterEditorAccess {
  public:
    virtual ~ParameterEditorAccess() = default;
    // Runs `procedure` on the table with the editor's callbacks; what it writes is one
    // undoable edit.
    virtual void writeFromController(const std::function<void(const ParameterTarget&)>& procedure,
                                     const std::string& caption) = 0;
    // A parameter's value text as the editor holds it.
    virtual std::string parameterValue(int number) const = 0;
};

}  // namespace mivo
