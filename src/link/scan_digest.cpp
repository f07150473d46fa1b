#include "link/scan_digest.h"

#include <algorithm>
#include <utility>

#include "common/readable_text.h"
#include "link/reply_class.h"

namespace mivo {

namespace {

constexpr std::size_t kMostBetween = 16;

}  // namespace

void ScanDigest::take(FlightItem item) {
    if (pending_) {
        if (continues(item)) return;
        flushPending();
    }
    if (item.entry == FlightEntry::ScanQuery) {
        pending_ = Pending{std::move(item), {}, false, std::nullopt};
        return;
    }
    raw(item);
}

// The held query's value line, then its "OK" (exactly: anything more is kept as it came). Before
// its value a run's own lines may come, which are no answer to a query: its "OK", its "END", and
// "CEND" with the line after it.
bool ScanDigest::continues(FlightItem& item) {
    if (item.entry != FlightEntry::Received) return false;
    Pending& p = *pending_;
    if (!p.value) {
        const ReplyCode code = ReplyClass(item.text);
        const bool runs = std::exchange(p.partnerDue, false) || item.text == "OK" ||
                          code == ReplyCode::End || code == ReplyCode::Cend;
        p.partnerDue = code == ReplyCode::Cend;
        // A line that babbles on ends the wait: its query's answer is long overdue.
        if (runs && p.between.size() < kMostBetween) {
            p.between.push_back(std::move(item));
            return true;
        }
        if (code != ReplyCode::Data) return false;
        p.value = std::move(item);
        return true;
    }
    if (item.text != "OK") return false;
    answered(item.time);
    return true;
}

void ScanDigest::answered(Time at) {
    const Pending p = std::move(*pending_);
    pending_.reset();
    for (const FlightItem& item : p.between) raw(item);
    const std::string& query = p.query.text;
    const std::string& value = p.value->text;
    if (lastAnswer_ && at - *lastAnswer_ > kForgetAfter) {
        flushChanges();
        forget();
        round_.clear();
    }
    lastAnswer_ = at;
    closeMinutes(at);
    if (!minute_) minute_ = Minute{std::chrono::floor<std::chrono::minutes>(at)};
    // A query answered again in this scan begins the next one.
    if (round_.count(query) != 0) {
        flushChanges();
        round_.clear();
    }
    if (round_.empty()) ++minute_->scans;
    round_.insert(query);
    if (const auto it = known_.find(query); it != known_.end() && it->second == value) {
        ++minute_->unchanged;
        return;
    }
    ++minute_->changed;
    if (!changes_) changes_ = Changes{at, {}};
    changes_->values.emplace_back(query, value);
}

void ScanDigest::flushChanges() {
    if (!changes_) return;
    const Changes c = std::move(*changes_);
    changes_.reset();
    std::string body = "~";
    for (const auto& [query, value] : c.values)
        body += (body.size() > 1 ? ", " : " ") + EscapeControlBytes(query) + " = " +
                EscapeControlBytes(value);
    lastLine_ = std::max(lastLine_, c.at);
    out_(c.at, body);
    // Known once written: the line may have begun a new file, which forgot what came before it.
    for (const auto& [query, value] : c.values) known_[query] = value;
}

void ScanDigest::flushPending() {
    const Pending p = std::move(*pending_);
    pending_.reset();
    raw(p.query);
    for (const FlightItem& item : p.between) raw(item);
    if (p.value) raw(*p.value);
}

void ScanDigest::raw(const FlightItem& item) {
    line(item.time, FlightMarker(item.entry) + EscapeControlBytes(item.text));
}

void ScanDigest::line(Time at, const std::string& body) {
    flushChanges();
    closeMinutes(at);
    lastLine_ = std::max(lastLine_, at);
    out_(at, body);
}

void ScanDigest::closeMinutes(Time bound) {
    if (!minute_ || minute_->start + std::chrono::minutes(1) > bound) return;
    flushChanges();
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
    // A scan that stopped halfway: what it found so far.
    if (changes_ && changes_->at < bound) flushChanges();
    closeMinutes(bound);
}

void ScanDigest::finish() {
    if (pending_) flushPending();
    flushChanges();
    if (minute_) countOut(std::max(lastLine_, lastAnswer_.value_or(lastLine_)));
}

void ScanDigest::forget() { known_.clear(); }

}  // namespace mivo
