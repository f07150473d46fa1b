// The drain of the serial line: input read and dropped until the line has been quiet a while,
// what it dropped told to the recorder and the communication log.
#include <QEventLoop>
#include <QTimer>

#include "link/serial_line.h"

namespace mivo {

namespace {

constexpr int kQuietMs = 50;  // drain ends when the line has been quiet this long
// ... or after this long at most: a line that keeps babbling is the idle monitor's business.
constexpr int kDrainLimitMs = 300;

}  // namespace

// A stop pressed while a command drains must see its reply, which the drain would swallow.
void SerialLine::endDrain() {
    if (drainTimer_) drainTimer_->stop();
    if (drainLoop_) drainLoop_->quit();
    drainTimer_ = nullptr;
    drainLoop_ = nullptr;
}

// Reads and discards until the line has been quiet for kQuietMs, or kDrainLimitMs passed.
void SerialLine::drain() {
    if (!port_.isOpen() || halted_) return;
    std::string dropped = waits_.pendingLine() + waits_.takeUnclaimed();
    waits_.discardAll();
    dropped += port_.readAll().toStdString();
    reportDropped(dropped);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(kQuietMs);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kDrainLimitMs);
    QTimer* outerTimer = drainTimer_;
    QEventLoop* outerLoop = drainLoop_;
    drainTimer_ = &timer;
    drainLoop_ = &loop;
    timer.start();
    loop.exec();
    reportDropped(waits_.pendingLine() + waits_.takeUnclaimed());
    waits_.discardAll();  // a line begun before the drain lost its bytes in it
    drainTimer_ = outerTimer;
    drainLoop_ = outerLoop;
    if (outerTimer && port_.isOpen()) outerTimer->start();
    if (outerLoop && !port_.isOpen()) outerLoop->quit();
}

}  // namespace mivo
