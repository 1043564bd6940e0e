#include "support/EventWatch.h"

#include <QDeadlineTimer>
#include <QTimer>

namespace {
bool isGameTick(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::Timer)
        return false;
    const auto* timer = qobject_cast<QTimer*>(receiver);
    return timer && timer->timerType() == Qt::PreciseTimer;
}

bool isInput(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}
}  // namespace

bool WatchedApplication::notify(QObject* receiver, QEvent* event) {
    const bool tick = isGameTick(receiver, event);
    const bool watched = tick || isInput(event);
    ++depth_;
    const bool result = QApplication::notify(receiver, event);
    --depth_;
    ticks += tick;
    if (watched && depth_ == 0 && afterEvent)
        afterEvent();
    return result;
}

void pumpEvents(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    do
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, int(std::max<qint64>(1, deadline.remainingTime())));
    while (!deadline.hasExpired());
}
