#include "players/LeaderBoard.h"

#include <algorithm>

namespace {
QString kilograms(int32_t score) { return scoreText(score) + QStringLiteral("Кг"); }
}

bool beatsTheBoard(const LeaderBoard& board, int32_t harvest) { return board.back().Score < harvest; }

QString recordQuestion(const LeaderBoard& board, int32_t harvest)
{
    QString text = QStringLiteral("Поздравляю!!! Вы установили новый рекорд:") + kilograms(harvest) +
                   QStringLiteral("\r\nХотите разместить своё имя на доске почёта?");
    if (board.front().Score > 0) {
        text += QStringLiteral("\r\n\r\nЛидеры:");
        for (int i = 0; i < kBoardPlaces && board[i].Score != 0; ++i)
            text += QStringLiteral("\r\n%1) ").arg(i + 1) + board[i].Name + kilograms(board[i].Score);
    }
    return text;
}

BoardEntry enterResult(LeaderBoard& board, const Player& player, int32_t harvest)
{
    const QString key = player.Name.toLower();
    for (int i = 0; i < kBoardPlaces; ++i) {
        if (board[i].Name.toLower() != key)
            continue;
        if (board[i].Score >= harvest)
            return {false, board[i].Score};
        // The last entry stays twice for now; the insertion below pushes one copy off.
        std::copy(board.begin() + i + 1, board.end(), board.begin() + i);
        break;
    }
    int place = 0;
    while (place < kBoardPlaces - 1 && board[place].Score >= harvest)
        ++place;
    std::copy_backward(board.begin() + place, board.end() - 1, board.end());
    board[place] = {player.Name, player.Photo, harvest};
    return {true, 0};
}

QString alreadyOnTheBoard(int32_t heldScore)
{
    return QStringLiteral("Извините, но ваше имя уже на доске почета с результатом") + kilograms(heldScore);
}
