#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// What a file dialog showed the player when it opened.
struct SeenFileDialog {
    bool save = false;
    QString folder;  // the folder it lists, ending in "/"
    QStringList filters;
    QString nameBox;  // the file name box as it opened
    bool asksBeforeReplacing = true;
    QString defaultSuffix;
};

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
    // "Новая игра": the entry (0 is "Начало") chosen and started; what the list showed is kept.
    ModalScript& startAt(int entry);
    // A file dialog: the name typed into its name box and confirmed, nullopt cancels; what it showed
    // is kept.
    ModalScript& answerFile(std::optional<QString> name);

    bool finished() const { return steps_.empty() && !unexpected; }
    bool unexpected = false;
    QStringList startEntries;   // the new-game list as it last showed
    int startPreselected = -1;  // the entry it had selected on opening
    std::vector<SeenFileDialog> fileDialogs;

private:
    std::deque<std::function<void(QDialog&)>> steps_;
};
