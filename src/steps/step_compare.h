#pragma once
// StepCompare: the step editor's Communication > "Compare with controller". Reads the
// controller's program whole and lists the steps of the range that differ from the table in a
// ComparePanel beside the grid; its "Send selected" and "Take selected" act on the ticked steps.
#include <optional>
#include <string>
#include <vector>

#include "files/difference.h"
#include "steps/step_range.h"
#include "steps/step_table.h"

namespace mivo {

class ComparePanel;
class StepEditor;

class StepCompare {
  public:
    explicit StepCompare(StepEditor& editor) : editor_(editor) {}

    // Reads the controller's program and lists the differing steps of the range boxes' range.
    void compareWithController();
    // "Send selected": the ticked steps by Step send's questions and commands, then the list
    // compared again with the controller's steps as the send left them.
    void sendSelected();
    // "Take selected": the controller's ticked steps into the table, one undoable edit, then
    // the list compared again.
    void takeSelected();
    // The controller's program or the table changed after the compare: the list says it is out
    // of date (the table's own changes are seen by the panel itself).
    void outdated();
    // Null before the first compare.
    ComparePanel* panel() const { return panel_; }

  private:
    // The list anew from the table and the controller's steps last read, in the compared range.
    void relist();
    // The ticked items' steps, a circle pair whole.
    std::vector<StepRange> tickedSpans() const;

    StepEditor& editor_;
    ComparePanel* panel_ = nullptr;
    // The last comparison: the controller's steps as last read or sent, its program, the range,
    // the items listed.
    struct Compared {
        StepTable controller;
        std::string program;
        int first = 0;
        int last = 0;
        std::vector<Difference> differences;
    };
    std::optional<Compared> compared_;  // none before a compare
};

}  // namespace mivo
