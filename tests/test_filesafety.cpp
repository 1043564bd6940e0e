// A player's files survive a full disk and a write killed half-way: the old bytes stay, the
// failure is reported as it is, and the temporary files a killed write leaves go at the next start.
#include <QDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

#include "core/FieldFile.h"
#include "core/GameState.h"
#include "core/Settings.h"
#include "menu/SavedGame.h"
#include "players/PlayersState.h"
#include "players/PlayersStore.h"
#include "support/GameFixture.h"

namespace {
// Files may not grow past a few bytes while it lives: every longer write fails with EFBIG, as
// a write to a full disk fails with ENOSPC.
struct DiskAlmostFull {
    DiskAlmostFull() : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tight{4, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~DiskAlmostFull() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
    }
    void (*handler)(int);
    rlimit saved{};
};

using Writer = std::function<void(GameFixture&)>;
}  // namespace

class FileSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void aFullDiskKeepsTheOldFileAndSaysSo_data();
    void aFullDiskKeepsTheOldFileAndSaysSo();
    void leftoversOfKilledWritesGoAtStart();
};

void FileSafetyTest::aFullDiskKeepsTheOldFileAndSaysSo_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Writer>("write");
    QTest::addColumn<QString>("report");
    QTest::newRow("saved game") << "old.tgm" << Writer([](GameFixture& game) {
        layOutForPlay({{0, 0, 5}, {3, 0, 5}});
        G.GameFileName = game.folder() + "old.tgm";
        WriteGameFile(G.GameFileName);
    }) << "Файл %1old.tgm сохранить не возможно.";
    QTest::newRow("field") << "Pole/old.tvk" << Writer([](GameFixture&) {
        G.FieldFileName = QStringLiteral("old.tvk");
        G.SownCells = {{0, 0, 7}, {5, 5, 7}};
        G.PictureCount = 2;
        QCOMPARE(SavePole(QStringLiteral("old.tvk")), 1);
    }) << "Файл old.tvk сохранить не возможно.";
    QTest::newRow("players") << "Igroki.ini" << Writer([](GameFixture&) {
        P.Players = {{QStringLiteral("a.png"), QStringLiteral("Аня")}};
        P.PlayersLast = 0;
        P.PlayersChanged = 1;
        SaveIgrokov();
        QCOMPARE(P.PlayersChanged, 1);
    }) << "Файл Igroki.ini защищён от записи.";
    QTest::newRow("leaders") << "Lidery.ini" << Writer([](GameFixture&) {
        P.Leaders[0] = {QStringLiteral("Маша"), QString(), 5};
        SaveLiderov();
    }) << "Файл Lidery.ini защищён от записи.";
    QTest::newRow("settings, silent") << "Tavik.ini" << Writer([](GameFixture& game) {
        QCOMPARE_NE(writeSettings(game.folder() + "Tavik.ini", Settings{1, 1, QStringLiteral("x.tvk")}),
                    WriteStatus::Ok);
    }) << QString();
}

void FileSafetyTest::aFullDiskKeepsTheOldFileAndSaysSo() {
    QFETCH(QString, file);
    QFETCH(Writer, write);
    QFETCH(QString, report);
    GameFixture game;
    const QByteArray old = "the player's old bytes\r\n";
    game.writeFile(file, old);
    game.start();
    game.messages.clear();
    {
        DiskAlmostFull full;
        write(game);
    }
    QCOMPARE(game.readFile(file), old);
    QCOMPARE(game.messageTexts(), report.isEmpty() ? QStringList() : QStringList{QString(report).replace("%1", game.folder())});
    const QString folder = QFileInfo(game.folder() + file).absolutePath();
    QCOMPARE(QDir(folder).entryList({QFileInfo(file).fileName() + "*"}, QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(file).fileName()});
}

void FileSafetyTest::leftoversOfKilledWritesGoAtStart() {
    GameFixture game;
    const QStringList leftovers{"Tavik.ini.Q7hZ2k", "Igroki.ini.a1b2c3", "Lidery.ini.XYZ123", "Pole/07 Теплица.tvk.k3Jd9q"};
    const QStringList players{"Tavik.ini.backup", "notes.txt.Q7hZ2k", "Tavik.ini.Q7hZ2", "Pole/my.tvk.BACKUP",
                              "Igroki.ini.Q7hZ2k.txt", "Pole/a.txt.Q7hZ2k"};
    for (const QString& name : leftovers + players)
        game.writeFile(name, "x");
    game.start();
    for (const QString& name : leftovers)
        QVERIFY2(!QFileInfo::exists(game.folder() + name), qPrintable(name));
    for (const QString& name : players)
        QVERIFY2(QFileInfo::exists(game.folder() + name), qPrintable(name));
}

QTEST_MAIN(FileSafetyTest)
#include "test_filesafety.moc"
