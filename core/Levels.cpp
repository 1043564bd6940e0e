#include "core/Levels.h"

#include <algorithm>

#include "core/Digits.h"
#include "core/FieldDisplay.h"
#include "core/FieldFile.h"
#include "core/GameState.h"
#include "core/Rules.h"
#include "menu/GameEnd.h"
#include "play/DeadEnd.h"
#include "ui/Forma.h"
#include "ui/Messages.h"

namespace {
// Rows 4 and 5 filled with 16 kinds, twice each.
const QByteArray kStartField = QByteArrayLiteral(
    " 0 4 9 0 519 1 4 9 1 512 2 420 2 510 3 416 3 514 4 417 4 5 8 5 416 5 5 2 6 420 6 512 7 4 6 7 511 8 415 8 "
    "510 9 415 9 51410 4 410 51711 41911 5 712 4 812 5 213 41113 5 714 4 514 5 515 4 415 5 6");
constexpr int kStartFieldRecords = 32;

// Starts the level number at 1 or goes on with the next: the panel only ever gains digits.
void drawLevelNumber() { DrawDigits(forma().picUroven, G.LevelNumber, kLevelOnesX, 5); }
}  // namespace

QString fieldTitle(const QString& fileName) {
    static const QString extension = QStringLiteral(".tvk");
    return fileName.endsWith(extension, Qt::CaseInsensitive) ? fileName.chopped(extension.size()) : fileName;
}

void ShowFieldTitle() {
    QString title;
    if (G.GameMode == Mode::Playing) {
        // The fields played are kept in lower case; the list gives the name as the file spells it.
        const QStringList& files = forma().FilyUrovney.names();
        const auto played = [](const QString& name) { return name.toLower() == G.PlayedFields.constLast(); };
        const auto file = G.PlayedFields.isEmpty() ? files.cend() : std::find_if(files.cbegin(), files.cend(), played);
        title = G.PlayedFields.isEmpty() ? kStartEntry
                : file != files.cend()   ? fieldTitle(*file)
                                         : fieldTitle(G.PlayedFields.constLast());
    }
    forma().banner.setCaption(title);
}

void BeginGame(int entry, const QString& entryText) {
    Forma& f = forma();
    G.GameMode = Mode::Playing;
    f.picKG.cls();
    f.picUroven.cls();
    G.BatteryCharge = kBatteryCapacity;
    G.LevelNumber = 0;
    G.Harvest = 0;
    G.FirstFieldName = entryText;
    G.GameFileName.clear();
    G.PlayedFields.clear();
    if (entry == 0)
        Nachalo();
    else
        NewUroven(entry - 2);
}

void Nachalo() {
    Forma& f = forma();
    f.picUroven.cls();
    f.picKG.cls();
    f.picAkamulyator.cls();
    G.ShuffleKinds = 1;
    ShowPole(*parseRecords(kStartField, kStartFieldRecords), kForPlay);
    G.LevelNumber = 1;
    G.FieldFileName.clear();
    ShowFieldTitle();
}

void NewUroven(int n) {
    FileList& files = forma().FilyUrovney;
    const int last = files.count() - 1;
    if (n == -1) {
        for (int k = 0; k <= last; ++k) {
            if (files.name(k).toLower() == G.FirstFieldName.toLower()) {
                n = k - 1;
                break;
            }
        }
    }
    while (n < last) {
        ++n;
        const QString name = files.name(n);
        const QString lower = name.toLower();
        if (G.PlayedFields.contains(lower) || OpenPole(name, kForPlay) != 0)
            continue;
        if (G.LevelNumber < kMaxLevel)
            ++G.LevelNumber;
        drawLevelNumber();
        forma().picAkamulyator.cls();
        G.BatteryCharge = kBatteryCapacity;
        G.PlayedFields.append(lower);
        G.LastFieldName = lower;
        ShowFieldTitle();
        AnnounceDeadEnd();
        return;
    }
    EndGameAfter([] {
        MsgBox(QStringLiteral("Поздравляю! Весь урожай собран!"), MsgIcon::Information);
    });
}
