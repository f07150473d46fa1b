#include "link/scan_digest.h"

#include <algorithm>
#include <utility>

#include "common/readable_text.h"
#include "link/reply_class.h"

namespace mivo {

void ScanDigest::take(FlightItem item) {
    if (pending_) {
        if (continues(item)) return;
        flushPending();
    }
    if (item.entry == FlightEntry::ScanQuery) {
        pending_ = Pending{std::move(item), std::nullopt};
        return;
    }
    raw(item);
}

// The held query's value line, then its "OK" (exactly: anything more is kept as it came).
bool ScanDigest::continues(FlightItem& item) {
    if (item.entry != FlightEntry::Received) return false;
    if (!pending_->value) {
        if (ReplyClass(item.text) != ReplyCode::Data) return false;
        pending_->value = std::move(item);
        return true;
    }
    if (item.text != "OK") return false;
    answered(item.time);
    return true;
}

void ScanDigest::answered(Time at) {
    const Pending p = std::move(*pending_);
    pending_.reset();
    const std::string& query = p.query.text;
    const std::string& value = p.value->text;
    if (lastAnswer_ && at - *lastAnswer_ > kForgetAfter) forget();
    lastAnswer_ = at;
    closeMinutes(at);
    if (!minute_) minute_ = Minute{std::chrono::floor<std::chrono::minutes>(at)};
    // A query answered again in this scan begins the next one.
    if (round_.count(query) != 0) round_.clear();
    if (round_.empty()) ++minute_->scans;
    round_.insert(query);
    if (const auto it = known_.find(query); it != known_.end() && it->second == value) {
        ++minute_->unchanged;
        return;
    }
    ++minute_->changed;
    // Known once written: the line may begin a new file, which forgets what came before it.
    line(at, "~ " + EscapeControlBytes(query) + " = " + EscapeControlBytes(value));
    known_[query] = value;
}

void ScanDigest::flushPending() {
    const Pending p = std::move(*pending_);
    pending_.reset();
    raw(p.query);
    if (p.value) raw(*p.value);
}

void ScanDigest::raw(const FlightItem& item) {
    line(item.time, FlightMarker(item.entry) + EscapeControlBytes(item.text));
}

void ScanDigest::line(Time at, const std::string& body) {
    closeMinutes(at);
    lastLine_ = std::max(lastLine_, at);
    out_(at, body);
}

void ScanDigest::closeMinutes(Time bound) {
    if (minute_ && minute_->start + std::chrono::minutes(1) <= bound)
        countOut(minute_->start + std::chrono::minutes(1));
}

void ScanDigest::countOut(Time stamp) {
    const Minute m = *minute_;
    minute_.reset();
    lastLine_ = std::max(lastLine_, stamp);
    out_(stamp, "# scans " + std::to_string(m.scans) + ", unchanged " +
                    std::to_string(m.unchanged) + ", changed " + std::to_string(m.changed));
}

void ScanDigest::tick(Time now) {
    // A held query's lines are still to come, at their own times.
    Time bound = now - kGrace;
    if (pending_) bound = std::min(bound, pending_->query.time);
    closeMinutes(bound);
}

void ScanDigest::finish() {
    if (pending_) flushPending();
    if (minute_) countOut(std::max(lastLine_, lastAnswer_.value_or(lastLine_)));
}

void ScanDigest::forget() {
    known_.clear();
    round_.clear();
}

}  // namespace mivo
