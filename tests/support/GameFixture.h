#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <vector>

#include "ui/Messages.h"

class PictureBox;
class frmForma;

// A fresh game for each test case: a temporary program folder, state reset, the main window built
// by Main with timers ticked by hand, and every message box recorded and answered by the test.
class GameFixture {
public:
    explicit GameFixture(bool manualTicks = true);
    ~GameFixture();

    // Starts the game in the program folder (after the test has put files into it).
    void start();
    // The program started anew in the same folder, as a player does after closing it: a new window
    // and fresh state, which reads back the files the last run wrote.
    void restart();
    QString folder() const { return dir_.path() + QLatin1Char('/'); }
    void writeFile(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relativePath) const;

    // The answer the next Yes/No question gets; a question without one is answered No and noted.
    void answerNext(MsgAnswer answer) { answers_.push_back(answer); }
    std::vector<Message> messages;
    QStringList messageTexts() const;
    bool unexpectedQuestion = false;

    frmForma& window() const;
    PictureBox& box(const char* name) const;  // a picture box of the main window by its name

private:
    QTemporaryDir dir_;
    std::deque<MsgAnswer> answers_;
};

// Lays a field out for play at once from (col, row, sign) triples, in a running game.
void layOutForPlay(std::initializer_list<std::array<int, 3>> cells);
