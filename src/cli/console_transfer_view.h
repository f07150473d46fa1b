#pragma once
// The transfer dialogs of `mivo`: while a transfer runs, its progress on standard error when
// that is a terminal ("step 120 of 1000", one line updated in place); nothing otherwise. The
// cancel dialog has no counterpart: Ctrl+C ends the tool.
#include <cstddef>
#include <iosfwd>

#include "procedures/transfer_view.h"

namespace mivo {

class ConsoleTransferView : public TransferView {
  public:
    // `terminal`: `err` is a terminal, where a line can be rewritten.
    ConsoleTransferView(std::ostream& err, bool terminal);

    void setCancelTexts(const std::string&, const std::string&) override {}
    void showCancel() override {}
    void hideCancel() override {}
    void setDataExchange(bool) override {}
    void showProgress(int maximum) override;
    void setProgress(int position) override;
    void hideProgress() override;
    bool cancelRequested() const override { return cancel_; }
    void setCancelRequested(bool on) override { cancel_ = on; }

    // Blanks the progress line, so that a message starts on a clean line; the next progress
    // writes it again.
    void clearLine();

  private:
    std::ostream& err_;
    bool terminal_;
    int steps_ = 0;
    std::size_t width_ = 0;  // how wide the progress line is; 0: none shown
    bool cancel_ = false;
};

}  // namespace mivo
