#pragma once
#include <QDialog>
#include <deque>
#include <functional>

// Plays the user's part in the modal windows a test opens, in order: each window that opens gets
// the next step, which looks at it and closes it as a user would. A window nobody expected, or one
// of the wrong kind, is marked so the test fails.
class ModalScript {
public:
    ModalScript();
    ~ModalScript();

    template <class Dialog>
    ModalScript& then(std::function<void(Dialog&)> step) {
        steps_.push_back([this, step](QDialog& dialog) {
            if (auto* expected = qobject_cast<Dialog*>(&dialog))
                step(*expected);
            else
                unexpected = true;
        });
        return *this;
    }
    bool finished() const { return steps_.empty() && !unexpected; }
    bool unexpected = false;

private:
    std::deque<std::function<void(QDialog&)>> steps_;
};
