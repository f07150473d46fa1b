#pragma once
// The parameter table as the parameter procedures write it, with the editor's callbacks.
#include <functional>
#include <string>

#include "common/table_target.h"
#include "parameters/parameter_table.h"

namespace mivo {

using ParameterTarget = TableTarget<ParameterTable>;

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
