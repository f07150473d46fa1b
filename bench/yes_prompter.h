#pragma once
// The benchmarks' prompter: every question answered Yes, the controller's errors printed, and the
// notices too when asked for.
#include <cstdio>
#include <string>

#include "common/prompter.h"

namespace mivo::bench {

class YesPrompter : public Prompter {
  public:
    explicit YesPrompter(bool printNotices = false) : printNotices_(printNotices) {}
    bool ask(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    void notify(const std::string& text, const std::string& caption) override {
        if (printNotices_) std::printf("  %s: %s\n", caption.c_str(), text.c_str());
    }
    void showControllerError(const std::string& line) override {
        std::printf("  Error display: %s\n", line.c_str());
    }

  private:
    bool printNotices_;
};

}  // namespace mivo::bench
