#pragma once
#include <QString>
#include <functional>
#include <random>

class QDialog;
class QFileDialog;
class frmStart;
class frmFile;
class frmIgroki;
class frmNameIgrokov;
class frmDoska;
struct Message;
enum class MsgAnswer;

// The player's part in every modal window and message box of the game: a random choice among the
// valid answers, clicked or typed, after a random moment of reading while the timers go on. Some
// windows and boxes open for real, with their own event loop, and are answered from inside it.
class RandomAnswers {
public:
    RandomAnswers(std::mt19937& random, QString folder, std::function<void(const QString&)> note);
    ~RandomAnswers();

    bool gameBegun = false;  // a game was started or a saved game opened; the test clears it
    int congratulations = 0;
    int messages = 0;
    std::function<void()> look;  // called whenever the player has acted inside a window

private:
    bool chance(int percent) { return int(random_() % 100) < percent; }
    int below(int n) { return n <= 0 ? 0 : int(random_() % unsigned(n)); }
    void read();
    void answer(QDialog& dialog);
    void answerInItsOwnLoop(QDialog& dialog);
    MsgAnswer answerWithKeys(const Message& message, bool yes);
    // Answers the dialog when it is a Window; false when it is not.
    template <class Window>
    bool answerAs(QDialog& dialog);
    MsgAnswer answer(const Message& message);
    void answer(frmStart& dialog);
    void answer(QFileDialog& dialog);
    void answer(frmFile& dialog);
    void answer(frmIgroki& dialog);
    void answer(frmNameIgrokov& dialog);
    void answer(frmDoska& dialog);
    QString savedGameName(bool saving);

    std::mt19937& random_;
    QString folder_;
    std::function<void(const QString&)> note_;
};
