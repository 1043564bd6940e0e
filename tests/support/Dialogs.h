#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class frmStart;

// What a file dialog showed the player when it opened.
struct SeenFileDialog {
    bool save = false;
    QString folder;           // the folder it lists, ending in "/"
    QStringList filters;
    QString nameBox;          // the file name box as it opened
    bool asksBeforeReplacing = true;
    QString defaultSuffix;
};

// Answers the game's modal windows in a test, as a player would: the new-game dialog by a script,
// the file dialogs by names typed and confirmed. Any other window, or one without an answer, fails.
class DialogScript {
public:
    DialogScript();
    ~DialogScript();

    // The next file dialog: the name typed into its name box and confirmed; nullopt cancels.
    void answerFile(std::optional<QString> name) { fileAnswers_.push_back(std::move(name)); }
    std::vector<SeenFileDialog> fileDialogs;

    // "Новая игра": the entry (0 is "Начало") chosen and started.
    void startAt(int entry);
    QStringList startEntries;    // the list as the dialog last showed it
    int startPreselected = -1;   // the entry it had selected on opening

    bool unexpected = false;

private:
    std::deque<std::optional<QString>> fileAnswers_;
    std::optional<int> startEntry_;
};
