#include "link/wait_stack.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "link/idle_monitor.h"

namespace mivo {

struct WaitStack::Waiter {
    LinkSide side;
    bool done = false;
    std::string line;
    WaitEnd end = WaitEnd::Line;
    QEventLoop loop;
    explicit Waiter(LinkSide s) : side(s) {}
};

WaitStack::WaitStack(IdleMonitor& monitor) : monitor_(monitor) {}

WaitResult WaitStack::wait(LinkSide side, int timeoutMs) {
    Waiter w(side);
    bool expired = false;
    const int level = QThread::currentThread()->loopLevel() + 1;  // of the wait's own loop
    QTimer limit;
    if (timeoutMs > 0) {
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [this, &w, &expired, &limit, level] {
            if (w.done) return;
            // Something runs above the wait (a command clicked while the monitor waited, with
            // its questions answered at the user's pace, and its own waits): the wait's reply
            // cannot come before that is over, so its time starts again.
            if (QThread::currentThread()->loopLevel() > level) {
                limit.start();
                return;
            }
            expired = true;
            finish(&w, "", WaitEnd::Ended);
        });
        limit.start(timeoutMs);
    }
    if (waiters_.empty()) {
        line_.clear();
        monitor_.reset();
    }
    waiters_.push_back(&w);
    deliver();
    if (!w.done) w.loop.exec();
    limit.stop();
    waiters_.erase(std::find(waiters_.begin(), waiters_.end(), &w));
    // The wait beneath gets what arrived after this one's line, once the caller has it.
    if (top() && !inbox_.empty())
        QMetaObject::invokeMethod(
            &context_, [this] { deliver(); }, Qt::QueuedConnection);
    return {std::move(w.line), w.end, expired};
}

void WaitStack::endAll() {
    for (Waiter* w : waiters_) finish(w, "", WaitEnd::Ended);
    line_.clear();
}

void WaitStack::end(LinkSide side) {
    for (Waiter* w : waiters_)
        if (w->side == side) finish(w, "", WaitEnd::Ended);
}

void WaitStack::receive(std::string_view bytes, Clock::time_point when) {
    inbox_.append(bytes);
    arrivals_.emplace_back(bytes.size(), when);
    if (!waiters_.empty()) deliver();
}

std::string WaitStack::takeUnclaimed() {
    std::string out;
    out.swap(inbox_);
    arrivals_.clear();
    return out;
}

void WaitStack::discard() {
    inbox_.clear();
    arrivals_.clear();
    if (waiters_.empty()) line_.clear();
}

void WaitStack::discardAll() {
    inbox_.clear();
    arrivals_.clear();
    line_.clear();
}

std::string WaitStack::dropUnfinishedLine() {
    if (!waiters_.empty()) return {};
    const std::size_t lf = inbox_.rfind('\n');
    const std::size_t keep = lf == std::string::npos ? 0 : lf + 1;
    std::string dropped = inbox_.substr(keep);
    std::size_t n = dropped.size();
    inbox_.resize(keep);
    while (n > 0 && !arrivals_.empty()) {
        const std::size_t k = std::min(n, arrivals_.back().first);
        arrivals_.back().first -= k;
        n -= k;
        if (arrivals_.back().first == 0) arrivals_.pop_back();
    }
    line_.clear();
    return dropped;
}

WaitStack::Waiter* WaitStack::top() const {
    return waiters_.empty() || waiters_.back()->done ? nullptr : waiters_.back();
}

void WaitStack::finish(Waiter* w, std::string text, WaitEnd end) {
    if (w->done) return;
    w->done = true;
    w->line = std::move(text);
    w->end = end;
    w->loop.quit();
}

// One line at a time: after a line the rest stays in the inbox for the caller's next request
// or for the wait beneath.
void WaitStack::deliver() {
    std::size_t pos = 0;
    while (pos < inbox_.size()) {
        Waiter* w = top();
        if (!w) break;
        const char c = inbox_[pos++];
        monitor_.feed(c);  // counted only: the verdict is the idle monitor's, not a wait's
        if (line_.feed(c)) {
            lineEnd_ = arrivalOf(pos - 1);
            finish(w, line_.take(), WaitEnd::Line);
            break;
        }
    }
    consume(pos);
}

WaitStack::Clock::time_point WaitStack::arrivalOf(std::size_t index) const {
    for (const auto& [count, when] : arrivals_) {
        if (index < count) return when;
        index -= count;
    }
    return Clock::now();
}

void WaitStack::consume(std::size_t n) {
    inbox_.erase(0, n);
    while (n > 0 && !arrivals_.empty()) {
        const std::size_t k = std::min(n, arrivals_.front().first);
        arrivals_.front().first -= k;
        n -= k;
        if (arrivals_.front().first == 0) arrivals_.pop_front();
    }
}

}  // namespace mivo
