#pragma once
// The idle monitor's rule: a controller that sends the same byte over and over has a broken
// line. Fed every received byte in order; NUL bytes do not count. The line counts as broken
// once more than kEqualRun bytes were counted and the last kEqualRun of them are equal.
namespace mivo {

class IdleMonitor {
  public:
    static constexpr int kEqualRun = 5;

    // Counts one received byte; true when the line now counts as broken.
    bool feed(char byte);
    // Starts counting afresh (on line again, a wait starts).
    void reset();

  private:
    int counted_ = 0;  // non-NUL bytes since the last reset
    int run_ = 0;      // equal bytes at the end of them
    char last_ = 0;
};

}  // namespace mivo
