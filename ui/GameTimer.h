#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

// A window timer of the main window: precise, and silent while tests tick it by hand.
class GameTimer : public QObject {
public:
    GameTimer(QObject* parent, int interval, std::function<void()> tick);
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    void setInterval(int milliseconds);
    int interval() const { return timer_.interval(); }

    static bool manualTicks;

private:
    QTimer timer_;
    bool enabled_ = false;
    std::function<void()> tick_;
};
