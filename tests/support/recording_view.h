#pragma once
// A TransferView that records what a procedure did with it and can press Cancel after a
// given number of progress updates.
#include <string>
#include <vector>

#include "procedures/transfer_view.h"

namespace mivo::test {

class RecordingView : public TransferView {
  public:
    int cancelAfterProgress = -1;  // raise CancelRequested after this many setProgress calls
    std::string label;
    bool cancelShown = false, dataExchange = false;
    int maximum = -1, position = -1, progressCalls = 0;

    void setCancelTexts(const std::string& l, const std::string&) override { label = l; }
    void showCancel() override { cancelShown = true; }
    void hideCancel() override { cancelShown = false; }
    void setDataExchange(bool on) override { dataExchange = on; }
    void showProgress(int max) override {
        maximum = max;
        position = 0;
    }
    void setProgress(int p) override {
        position = p;
        if (++progressCalls == cancelAfterProgress) cancel_ = true;
    }
    void hideProgress() override {}
    bool cancelRequested() const override { return cancel_; }
    void setCancelRequested(bool on) override { cancel_ = on; }

  private:
    bool cancel_ = false;
};

}  // namespace mivo::test
