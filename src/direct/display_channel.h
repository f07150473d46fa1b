#pragma once
// The session's own views of its screen, its transfer view and its channel (for
// direct_session.cpp only): the screen that enables nothing needing the line while it is off, the
// exchange under way, and the direct channel as the display sees it, with the waits under way that
// a stop made inside one of them must know of.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "direct/direct_session.h"
#include "link/framing.h"
#include "procedures/reply_rules.h"

namespace mivo {

// The screen as the session's commands see it. Every set but the position fields needs the line:
// switched on while the line is off, it stays off, whichever command ends after the line went
// (under its question, inside its wait) or the monitor starts again.
class DirectSession::LineView : public DirectView {
  public:
    LineView(DirectView& v, const DirectChannel& channel) : v_(v), channel_(channel) {}
    void append(const std::string& line) override { v_.append(line); }
    void enable(EnableSet set, bool on) override {
        if (on && set != EnableSet::PositionFields && !channel_.online()) return;
        v_.enable(set, on);
    }
    std::string field(DirectField f) const override { return v_.field(f); }
    void setField(DirectField f, const std::string& text) override { v_.setField(f, text); }
    void showLine(bool online) override { v_.showLine(online); }
    void showMonitoring(bool on) override { v_.showMonitoring(on); }
    bool screenVisible() const override { return v_.screenVisible(); }
    int jogMode() const override { return v_.jogMode(); }
    bool ioState(IoBank bank, int n) const override { return v_.ioState(bank, n); }
    void showIo(IoBank bank, int n, bool on) override { v_.showIo(bank, n, on); }
    void showIoNotCurrent(IoBank bank, int n) override { v_.showIoNotCurrent(bank, n); }
    void showFieldNotCurrent(DirectField f) override { v_.showFieldNotCurrent(f); }
    void showIoUnknown() override { v_.showIoUnknown(); }
    bool offerToSaveSteps() override { return v_.offerToSaveSteps(); }
    void resetStepEditor() override { v_.resetStepEditor(); }
    void showStopUnconfirmed(bool on) override { v_.showStopUnconfirmed(on); }

  private:
    DirectView& v_;
    const DirectChannel& channel_;
};

// The transfer view as the session's exchanges see it: it also keeps whether the exchange under
// way is a data exchange, whose reply comes at once, or a motion, answered when it ends.
class DirectSession::Exchanges : public TransferView {
  public:
    explicit Exchanges(TransferView& t) : t_(t) {}
    void setCancelTexts(const std::string& label, const std::string& button) override {
        t_.setCancelTexts(label, button);
    }
    void showCancel() override { t_.showCancel(); }
    void hideCancel() override { t_.hideCancel(); }
    void setDataExchange(bool on) override {
        dataExchange = on;
        t_.setDataExchange(on);
    }
    void showProgress(int maximum) override { t_.showProgress(maximum); }
    void setProgress(int position) override { t_.setProgress(position); }
    void hideProgress() override { t_.hideProgress(); }
    bool cancelRequested() const override { return t_.cancelRequested(); }
    void setCancelRequested(bool on) override { t_.setCancelRequested(on); }

    bool dataExchange = false;

  private:
    TransferView& t_;
};

// The direct channel as the display sees it: each command once it is on the line and each reply
// line received are appended; a wait ended by the motor-stop request gives "" (the bytes it had
// are no reply to judge).
class DirectSession::DisplayChannel : public Channel {
  public:
    explicit DisplayChannel(DirectSession& s) : s_(s) {}

    // A wait under way, and what a stop made inside it finds first.
    struct Pending {
        bool owesLine;  // a data exchange's reply or a value's trailing line is still to come
        bool shown;
        int cycle;
    };

    std::string request(const std::string& command) override {
        const bool shown = takeShown();
        return send(command, shown, shown, s_.transfer_->dataExchange);
    }
    std::string next() override { return wait(takeShown(), s_.transfer_->dataExchange); }
    void drain() override { s_.channel_.drain(); }
    // A value's trailing line: waited for, not examined, "OK" shown in its place.
    std::string trailing() {
        const bool shown = takeShown();
        const Waiting waiting(*this, {true, shown, s_.cycles_});
        std::string reply = s_.channel_.next();
        end = s_.channel_.lastWaitEnd();
        if (end == WaitEnd::MotorStop) reply.clear();
        empty = reply.empty();
        if (empty) return reply;
        answered();
        if (shown) s_.view_->append("OK");
        return "OK";
    }

    // `command` on the line (shown once written when `showCommand`, and `written` called then),
    // and its reply.
    std::string send(const std::string& command, bool showCommand, bool showReply, bool owesLine,
                     const std::function<void()>& written = {}) {
        const Framing f = FrameRequest(command, true);
        std::string line = f.bytes;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        const auto show = [&] {
            if (!line.empty() && showCommand) s_.view_->append(line);
            if (written) written();
        };
        if (!f.awaitReply) {
            std::string reply = s_.channel_.request(command, show);
            end = WaitEnd::Line;
            empty = false;
            return reply;
        }
        const Waiting waiting(*this, {owesLine, showReply, s_.cycles_});
        return received(s_.channel_.request(command, show), showReply);
    }
    std::string wait(bool shown, bool owesLine) {
        const Waiting waiting(*this, {owesLine, shown, s_.cycles_});
        return received(s_.channel_.next(), shown);
    }

    // The innermost wait under way, if any.
    std::optional<Pending> innermost() const {
        if (pending_.empty()) return std::nullopt;
        return pending_.back();
    }

    bool takeShown() { return !std::exchange(quiet, false); }

    WaitEnd end = WaitEnd::Line;  // what ended the last wait
    bool empty = false;           // the last wait gave no line
    // The next exchange is not shown (the monitor's); exchanges made inside its wait are.
    bool quiet = false;

  private:
    // Keeps a wait on the stack of those under way for as long as it lasts.
    class Waiting {
      public:
        Waiting(DisplayChannel& d, Pending p) : d_(d) { d_.pending_.push_back(p); }
        ~Waiting() { d_.pending_.pop_back(); }
        Waiting(const Waiting&) = delete;
        Waiting& operator=(const Waiting&) = delete;

      private:
        DisplayChannel& d_;
    };

    std::string received(std::string reply, bool shown) {
        end = s_.channel_.lastWaitEnd();
        if (end == WaitEnd::MotorStop) reply.clear();
        empty = reply.empty();
        if (!empty) {
            answered();
            if (shown) s_.view_->append(reply);
            s_.state.lastReply = ReplyClass(reply);
        }
        return reply;
    }
    // The controller answers again: no stop left unconfirmed shows any longer.
    void answered() {
        if (!s_.state.stopUnconfirmed) return;
        s_.state.stopUnconfirmed = false;
        s_.view_->showStopUnconfirmed(false);
    }

    DirectSession& s_;
    std::vector<Pending> pending_;  // the waits under way, innermost last
};

}  // namespace mivo
