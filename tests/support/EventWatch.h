#pragma once
#include <QApplication>
#include <functional>

// Lets a test look at the game between events, never in the middle of a game procedure that lets
// pending events run: after every input event and every tick of a game timer that the event loop
// delivers at top level. The game's timers are the process's only precise ones, which is how
// their ticks are told apart.
class WatchedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

    std::function<void()> afterEvent;  // runs once the event's handler has returned to the loop
    long ticks = 0;                    // every tick, nested ones included

private:
    friend class InsideGame;
    static inline int depth_ = 0;
};

// Marks a call the test makes into the game directly (not through an event), so that events which
// run inside it are not taken for events between others.
class InsideGame {
public:
    InsideGame() { ++WatchedApplication::depth_; }
    ~InsideGame() { --WatchedApplication::depth_; }
    InsideGame(const InsideGame&) = delete;
    InsideGame& operator=(const InsideGame&) = delete;
};

// Runs the event loop for about the given time with the timers firing, as a waiting player does.
void pumpEvents(int milliseconds);
