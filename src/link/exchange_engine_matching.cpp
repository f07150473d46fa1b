#include "link/exchange_engine.h"

// How the engine gives each reply unit to the request that owes it: the routing among the
// requests under way and each answer's shape, step by step.
#include "link/reply_class.h"

namespace mivo {

namespace {

ReplyCode Head(const std::vector<std::string>& lines) { return ReplyClass(lines.front()); }

// A position query's "ERR" with a line beginning "32": the controller reads again and answers.
bool RereadNotice(const std::string& command, const std::vector<std::string>& unit) {
    return command.rfind("@?POS", 0) == 0 && unit.size() == 2 && Head(unit) == ReplyCode::Err &&
           unit[1].rfind("32", 0) == 0;
}

}  // namespace

ExchangeEngine::Open* ExchangeEngine::firstOwed() {
    for (Open& o : open_)
        if (o.phase == Phase::Owed) return &o;
    return nullptr;
}

void ExchangeEngine::route(const Unit& u, Time now) {
    Open* owed = firstOwed();
    // A value or a check half received owes the rest now: whatever comes is its.
    if (owed &&
        (owed->shape == ReplyShape::Value || owed->shape == ReplyShape::Record ||
         owed->shape == ReplyShape::Check) &&
        owed->state >= 1) {
        give(*owed, u, accept(*owed, u), now);
        return;
    }
    // A position query's re-read notice is its own, though a run is under way.
    if (owed && RereadNotice(owed->request.command, u.lines)) {
        give(*owed, u, Take::Progress, now);
        return;
    }
    // A stop owed its answer takes its "STOP", "MSTOP" or "CEND" before the moves it ends; a
    // lone "OK" is a move's end before it is the stop's.
    if (owed && owed->stopLane && u.lines.size() == 2) {
        if (const Take t = accept(*owed, u); t != Take::No) {
            give(*owed, u, t, now);
            return;
        }
    }
    // In the order they went out: the first request still owed an answer, or a move under way
    // whose end this is (before it or after it).
    for (Open& o : open_) {
        if (o.phase == Phase::Queued) break;
        if (o.phase == Phase::Owed && &o != owed) continue;
        if (o.phase == Phase::Under && o.shape == ReplyShape::Stream) continue;
        if (const Take t = accept(o, u); t != Take::No) {
            give(o, u, t, now);
            return;
        }
    }
    // A stream read on takes what no one else is owed.
    for (Open& o : open_)
        if (o.phase == Phase::Under && o.shape == ReplyShape::Stream) {
            give(o, u, Take::Progress, now);
            return;
        }
    // The "END" or "OK" a stop's answer or a run's status end may have after it.
    const ReplyCode head = Head(u.lines);
    if (tailUntil_ && u.lines.size() == 1 && (head == ReplyCode::End || head == ReplyCode::Ok)) {
        tailUntil_.reset();
        settled_ = true;
        if (tailLine_) events_.push_back([f = std::move(tailLine_), l = u.lines.front()] { f(l); });
        tailLine_ = nullptr;
        return;
    }
    // A data line where only a run's end can come: the run is out of step.
    if (!owed && head == ReplyCode::Data && u.lines.size() == 1)
        for (Open& o : open_)
            if (o.shape == ReplyShape::Run && o.phase == Phase::Under) {
                give(o, u, Take::Unfit, now);
                return;
            }
    // Noise. A stop is not failed by it, and no drain drops the stop's answer.
    for (const std::string& l : u.lines)
        if (noise)
            events_.push_back([this, l] {
                if (noise) noise(l);
            });
    if (owed && owed->stopLane) return;
    if (owed) {
        owed->reply.lines.insert(owed->reply.lines.end(), u.lines.begin(), u.lines.end());
        finish(owed->id, End::Unfit);
    }
    startDrain(now);
}

ExchangeEngine::Take ExchangeEngine::accept(Open& o, const Unit& u) const {
    const ReplyCode c = Head(u.lines);
    const bool pair = u.lines.size() == 2;
    const bool word = pair && c != ReplyCode::Cend;
    switch (o.shape) {
        case ReplyShape::Line:
            return Take::Answered;
        case ReplyShape::Done:
            if (c == ReplyCode::Ok) return Take::Answered;
            return word ? Take::Failed : Take::No;
        case ReplyShape::Value:
        case ReplyShape::Record:
            if (o.state == 1 && o.shape == ReplyShape::Record && c == ReplyCode::Data && !pair)
                return Take::Progress;
            if (o.state == 1) return c == ReplyCode::Ok ? Take::Answered : Take::Unfit;
            // A data line that is no value of the item is noise at once.
            if (c == ReplyCode::Data && !pair)
                return o.request.fits && !o.request.fits(u.lines.front()) ? Take::Unfit
                                                                          : Take::Progress;
            return word ? Take::Failed : Take::No;
        case ReplyShape::Check:
            // A lone line: a bank's, or in its place the check's error; after the four, "OK",
            // or again the check's error.
            if (c == ReplyCode::Data && !pair)
                return o.state < 4 && u.lines.front().rfind("EEP", 0) == 0 ? Take::Progress
                                                                           : Take::Failed;
            if (o.state == 4 && c == ReplyCode::Ok && !pair) return Take::Answered;
            if (word) return Take::Failed;
            return o.state >= 1 ? Take::Unfit : Take::No;
        case ReplyShape::Move:
        case ReplyShape::Hold:
        case ReplyShape::StepRun:
            if (o.state == 1) return c == ReplyCode::Ok ? Take::Answered : Take::No;
            if (o.shape != ReplyShape::Hold && c == ReplyCode::Ok && !pair) return Take::Answered;
            // A step's end, or a jog the controller ends so.
            if (o.shape != ReplyShape::Hold && c == ReplyCode::End) return Take::Answered;
            if (o.shape == ReplyShape::StepRun && c == ReplyCode::Cend && pair)
                return Take::Progress;
            if (!word) return Take::No;
            return c == ReplyCode::Ng && !o.refusable ? Take::No : Take::Failed;
        case ReplyShape::Run:
            // "OK", then any one line (taken unseen); a status word and its line refuse it.
            if (o.phase == Phase::Owed) {
                if (!pair && (o.state == 1 || c == ReplyCode::Ok)) return Take::Progress;
                return word ? Take::Failed : Take::No;
            }
            // Under way: "END" ends it; "CEND" and its line, then "OK", end a cycle; a status
            // word and its line (a stop, an error) are kept, and the run goes on as long as
            // lines come within the reply limit.
            if (o.state == 3 && c == ReplyCode::Ok && !pair) return Take::Progress;
            if (c == ReplyCode::End) return o.status ? Take::Failed : Take::Answered;
            if (c == ReplyCode::Cend && pair) return Take::Progress;
            return word && c != ReplyCode::Ng ? Take::Progress : Take::No;
        case ReplyShape::Stop:
            if (o.state >= 1) return o.state == 2 ? Take::Answered : Take::Progress;
            if (c == ReplyCode::Ok && !pair) return Take::Answered;
            if (c == ReplyCode::Stop && pair) return Take::Answered;
            if (c == ReplyCode::Cend && pair) return Take::Progress;
            return word ? Take::Failed : Take::No;
        case ReplyShape::MotorStop:
            if (c == ReplyCode::Mstop && pair) return Take::Answered;
            return word ? Take::Failed : Take::No;
        case ReplyShape::Stream:
            return Take::Progress;
    }
    return Take::No;
}

void ExchangeEngine::give(Open& o, const Unit& u, Take t, Time now) {
    if (t == Take::No) return;
    settled_ = t != Take::Unfit;
    // Whatever went out before this answer can no longer be refused at once.
    for (Open& before : open_) {
        if (&before == &o) break;
        before.refusable = false;
    }
    o.reply.lines.insert(o.reply.lines.end(), u.lines.begin(), u.lines.end());
    if (o.request.line)
        for (const std::string& l : u.lines) events_.push_back([f = o.request.line, l] { f(l); });
    if (o.deadline && o.phase == Phase::Owed) o.deadline = deadlineFrom(o, now);
    const Id id = o.id;
    const auto lineOf = o.request.line;
    // A check's error line: what the controller says after it is the failed check's.
    const bool drainAfter =
        o.shape == ReplyShape::Check && t == Take::Failed && u.lines.size() == 1;
    // A stop's answer ends what moved before it; even "OK" (nothing moved) ends a held jog,
    // which has no other end.
    if (o.stopLane && o.state == 0 && (t == Take::Answered || t == Take::Progress))
        stopMoves(id, Head(u.lines) == ReplyCode::Ok);
    const bool statusEnd = o.stopLane && t == Take::Answered;
    switch (t) {
        case Take::No:
            return;
        case Take::Progress:
            if (o.shape == ReplyShape::Run) {
                progressRun(o, u, now);
                return;
            }
            // Read on: what comes with this line is kept for the reader, who is told from the
            // event loop; what comes after the reader has had its turn is nobody's.
            if (o.shape == ReplyShape::Stream) {
                o.phase = Phase::Under;
                o.deadline = now;
                return;
            }
            ++o.state;
            if (o.shape == ReplyShape::Record) {
                o.state = 1;
            } else if (o.shape == ReplyShape::Value && RereadNotice(o.request.command, u.lines)) {
                o.state = 0;
            }
            return;
        case Take::Answered:
            finish(id, End::Answered);
            break;
        case Take::Failed:
            finish(id, End::Failed);
            if (drainAfter) startDrain(now);
            break;
        case Take::Unfit:
            finish(id, End::Unfit);
            startDrain(now);
            return;
    }
    if (statusEnd && u.lines.size() == 2) {
        tailUntil_ = now + replyLimit_;
        tailLine_ = lineOf;
    }
}

void ExchangeEngine::progressRun(Open& o, const Unit& u, Time now) {
    const ReplyCode c = Head(u.lines);
    if (o.phase == Phase::Owed) {
        // Its two lines: under way, owed nothing until its end.
        if (++o.state == 2) {
            o.phase = Phase::Under;
            o.deadline.reset();
        }
    } else if (c == ReplyCode::Cend) {
        o.state = 3;
        o.deadline.reset();  // the program goes on
    } else if (c == ReplyCode::Ok) {
        o.state = 2;
    } else {
        // A stop or an error: its "END" may follow, within the reply limit.
        o.status = true;
        o.state = 2;
        o.deadline = now + replyLimit_;
    }
}

}  // namespace mivo
