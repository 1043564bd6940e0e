// Field files as the editor saves them and the game reads them back: the exact bytes, fresh
// scrambling on every save, and damaged files refused whole instead of drawn outside the grid.
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include "core/CharTable.h"
#include "core/FieldDisplay.h"
#include "core/FieldFile.h"
#include "core/GameState.h"
#include "core/Levels.h"
#include "core/TextFile.h"
#include "support/GameFixture.h"
#include "support/Pixels.h"
#include "ui/Forma.h"

namespace {
const std::vector<CellRecord> kTwoPairs{{0, 0, 5}, {1, 0, 5}, {3, 4, 16}, {15, 9, 16}, {7, 7, 1}};
constexpr int32_t kSeed = 9;

// A field file written by hand from its plain lines, so a test can damage any part of it.
QByteArray handMadeFile(const QByteArray& magic, const QByteArray& seed, const QByteArray& count,
                        const QByteArray& plainRecords) {
    return joinLines({magic, seed, count, translated(plainRecords, scrambleTable(kSeed)), " 0 "});
}

void sowForSaving(const std::vector<CellRecord>& cells) {
    G.SownCells = cells;
    G.PictureCount = int32_t(cells.size());
}

// The first seed whose scrambled record text has the property.
int32_t seedWhere(const std::function<bool(const QByteArray&)>& property) {
    for (int32_t seed = 1;; ++seed)
        if (property(translated(recordText(kTwoPairs), scrambleTable(seed))))
            return seed;
}
}  // namespace

class FieldFilesTest : public QObject {
    Q_OBJECT
private slots:
    void theDocumentedFieldGivesTheDocumentedBytes();
    void savingOneFieldTwiceScramblesAnewButReadsBackAlike();
    void scrambledBlanksCommasAndQuotesReadBackExactly();
    void damagedFileIsSkippedAsALevelAndRefusedForEditing_data();
    void damagedFileIsSkippedAsALevelAndRefusedForEditing();
    void aMissingFileOrAFolderIsReported();
    void replacingAnotherFieldAsksAndNoKeepsIt();
    void aFileThatCannotBeWrittenIsReportedAndKeptAsItWas();
    void aWriteProtectedFolderIsReportedAsProtected();
};

void FieldFilesTest::theDocumentedFieldGivesTheDocumentedBytes() {
    const QByteArray expected = QByteArray("[tavik]\r\n 777 \r\n 2 \r\n") +
                                QByteArray::fromHex("43BF43FCAEEBAEC9437DBFBF") + QByteArray("\r\n 1 \r\n");
    const std::vector<CellRecord> cells{{3, 4, 16}, {15, 9, 33}};
    QCOMPARE(fieldFileBytes(cells, 777, 1), expected);
    QCOMPARE(recordText({{15, 9, 33}}), QByteArray("15 933"));
    const auto read = parseFieldFile(splitLines(expected));
    QVERIFY(read);
    QCOMPARE(read->records, cells);
    QCOMPARE(read->shuffleKinds, 1);
}

void FieldFilesTest::savingOneFieldTwiceScramblesAnewButReadsBackAlike() {
    GameFixture game;
    game.start();
    sowForSaving(kTwoPairs);
    QCOMPARE(SavePole(QStringLiteral("one.tvk")), 0);
    QCOMPARE(forma().lblNameFile.caption(), QStringLiteral("one.tvk"));
    QVERIFY(G.SownCells.empty());
    QThread::msleep(3);  // the seed comes from the time of day
    sowForSaving(kTwoPairs);
    QCOMPARE(SavePole(QStringLiteral("two.tvk")), 0);
    const QByteArray first = game.readFile("Pole/one.tvk"), second = game.readFile("Pole/two.tvk");
    QVERIFY(first != second);
    QVERIFY(game.messages.empty());

    for (const QString& name : {QStringLiteral("one.tvk"), QStringLiteral("two.tvk")}) {
        QCOMPARE(OpenPole(name, kForEditing), 0);
        QCOMPARE(G.GameMode, Mode::Sowing);
        QCOMPARE(G.FieldFileName, name);
        for (const CellRecord& cell : kTwoPairs)
            QCOMPARE(G.FieldGrid(cell.Col, cell.Row), cell.Sign);
        QCOMPARE(G.FieldGrid(2, 0), kEmpty);
    }
}

void FieldFilesTest::scrambledBlanksCommasAndQuotesReadBackExactly() {
    GameFixture game;
    game.start();
    const std::pair<const char*, std::function<bool(const QByteArray&)>> awkward[] = {
        {"leading blank", [](const QByteArray& s) { return s.startsWith(' '); }},
        {"trailing blank", [](const QByteArray& s) { return s.endsWith(' '); }},
        {"comma", [](const QByteArray& s) { return s.contains(','); }},
        {"double quote", [](const QByteArray& s) { return s.contains('"'); }},
        {"byte 255", [](const QByteArray& s) { return s.contains('\xFF'); }},
    };
    for (const auto& [what, property] : awkward) {
        const int32_t seed = seedWhere(property);
        const QByteArray bytes = fieldFileBytes(kTwoPairs, seed, 0);
        game.writeFile("Pole/awkward.tvk", bytes);
        QCOMPARE(readTextLines(game.folder() + "Pole/awkward.tvk").lines.value(3),
                 translated(recordText(kTwoPairs), scrambleTable(seed)));
        QVERIFY2(OpenPole(QStringLiteral("awkward.tvk"), kForEditing) == 0, what);
        for (const CellRecord& cell : kTwoPairs)
            QCOMPARE(G.FieldGrid(cell.Col, cell.Row), cell.Sign);
    }
    QVERIFY(game.messages.empty());
}

void FieldFilesTest::damagedFileIsSkippedAsALevelAndRefusedForEditing_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray magic("[tavik]"), seed(" 9 "), twoRecords(" 0 0 5 1 0 5");
    QTest::newRow("line 4 shorter than its count") << handMadeFile(magic, seed, " 3 ", twoRecords);
    QTest::newRow("negative count") << handMadeFile(magic, seed, " -1 ", twoRecords);
    QTest::newRow("absurd count") << handMadeFile(magic, seed, " 2147483647 ", twoRecords);
    QTest::newRow("count not a number") << handMadeFile(magic, seed, " two ", twoRecords);
    QTest::newRow("seed not a number") << handMadeFile(magic, " 9x ", " 2 ", twoRecords);
    QTest::newRow("column 16") << handMadeFile(magic, seed, " 2 ", "16 0 5 1 0 5");
    QTest::newRow("row 10") << handMadeFile(magic, seed, " 2 ", " 010 5 1 0 5");
    QTest::newRow("code 34") << handMadeFile(magic, seed, " 2 ", " 0 034 1 0 5");
    QTest::newRow("record not numbers") << handMadeFile(magic, seed, " 2 ", " 0 0-5 1 0 5");
    QTest::newRow("one cell twice") << handMadeFile(magic, seed, " 2 ", " 0 0 5 0 0 5");
    QTest::newRow("magic in other letters") << handMadeFile("[TAVIK]", seed, " 2 ", twoRecords);
    QTest::newRow("last line missing") << handMadeFile(magic, seed, " 2 ", twoRecords).chopped(5);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("a saved game") << QByteArray("[tavik_game]\r\n 9 \r\n");
}

void FieldFilesTest::damagedFileIsSkippedAsALevelAndRefusedForEditing() {
    QFETCH(QByteArray, bytes);
    GameFixture game;
    game.writeFile("Pole/a.tvk", bytes);
    game.writeFile("Pole/b.tvk", fieldFileBytes(kTwoPairs, kSeed, 0));
    game.start();
    // As the next level it is passed over without a word.
    G.GameMode = Mode::Playing;
    G.FirstFieldName = QStringLiteral("a.tvk");
    NewUroven(-1);
    QVERIFY(game.messages.empty());
    QCOMPARE(G.FieldFileName, QStringLiteral("b.tvk"));
    QCOMPARE(G.PlayedFields, QStringList{QStringLiteral("b.tvk")});
    QCOMPARE(G.LevelNumber, 1);  // the file passed over counts for nothing
    QVERIFY(panelShows(forma().picUroven, 75, 1));

    // Opened for editing it is refused, and the field in play stays as it was.
    const GameState before = G;
    const QImage screen = onScreen(forma().picPole);
    QCOMPARE(OpenPole(QStringLiteral("a.tvk"), kForEditing), 1);
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Файл a.tvk не подходит к программе.")});
    QCOMPARE(game.messages.front().icon, MsgIcon::Critical);
    QCOMPARE(G.FieldGrid, before.FieldGrid);
    QCOMPARE(G.GameMode, before.GameMode);
    QCOMPARE(G.FieldFileName, before.FieldFileName);
    QCOMPARE(G.PictureCount, before.PictureCount);
    QCOMPARE(onScreen(forma().picPole), screen);
}

void FieldFilesTest::aMissingFileOrAFolderIsReported() {
    GameFixture game;
    QDir(game.folder()).mkpath(QStringLiteral("Pole/folder.tvk"));
    game.start();
    QCOMPARE(OpenPole(QStringLiteral("none.tvk"), kForEditing), 1);
    QCOMPARE(OpenPole(QStringLiteral("folder.tvk"), kForEditing), 1);
    QCOMPARE(game.messageTexts(), (QStringList{QStringLiteral("Файл none.tvk не найден."),
                                               QStringLiteral("Файл folder.tvk открыть не возможно.")}));
    QCOMPARE(G.GameMode, Mode::NothingBegun);
}

void FieldFilesTest::replacingAnotherFieldAsksAndNoKeepsIt() {
    GameFixture game;
    const QByteArray old = fieldFileBytes(kTwoPairs, kSeed, 0);
    game.writeFile("Pole/b.tvk", old);
    game.start();
    G.FieldFileName = QStringLiteral("a.tvk");
    sowForSaving({{0, 0, 7}, {5, 5, 7}});
    game.answerNext(MsgAnswer::No);
    QCOMPARE(SavePole(QStringLiteral("b.tvk")), 0);
    QCOMPARE(game.messages.size(), size_t(1));
    const Message& question = game.messages.front();
    QCOMPARE(question.text, QStringLiteral("Файл b.tvk уже существует.\nЗаменить его?"));
    QCOMPARE(question.icon, MsgIcon::Warning);
    QCOMPARE(question.buttons, MsgButtons::YesNo);
    QCOMPARE(question.defaultAnswer, MsgAnswer::No);
    QCOMPARE(game.readFile("Pole/b.tvk"), old);
    QCOMPARE(G.FieldFileName, QStringLiteral("a.tvk"));

    // Yes replaces it; saving again under the name now shown asks nothing.
    game.answerNext(MsgAnswer::Yes);
    QCOMPARE(SavePole(QStringLiteral("b.tvk")), 0);
    QVERIFY(game.readFile("Pole/b.tvk") != old);
    sowForSaving({{0, 0, 7}, {5, 5, 7}});
    QCOMPARE(SavePole(QStringLiteral("b.tvk")), 0);
    QCOMPARE(game.messages.size(), size_t(2));
    QVERIFY(!game.unexpectedQuestion);
}

void FieldFilesTest::aFileThatCannotBeWrittenIsReportedAndKeptAsItWas() {
    GameFixture game;
    QDir(game.folder()).mkpath(QStringLiteral("Pole/taken.tvk"));
    game.writeFile("Pole/taken.tvk/inside", "x");
    game.start();
    G.FieldFileName = QStringLiteral("taken.tvk");
    sowForSaving(kTwoPairs);
    QCOMPARE(SavePole(QStringLiteral("taken.tvk")), 1);
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Файл taken.tvk сохранить не возможно.")});
    QCOMPARE(game.readFile("Pole/taken.tvk/inside"), QByteArray("x"));
    QCOMPARE(G.SownCells, kTwoPairs);
}

void FieldFilesTest::aWriteProtectedFolderIsReportedAsProtected() {
    GameFixture game;
    const QByteArray old = fieldFileBytes(kTwoPairs, kSeed, 0);
    game.writeFile("Pole/a.tvk", old);
    game.start();
    QFile::setPermissions(game.folder() + "Pole", QFile::ReadOwner | QFile::ExeOwner);
    const auto writable = qScopeGuard([&] {
        QFile::setPermissions(game.folder() + "Pole", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QFile probe(game.folder() + "Pole/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("this user writes into read-only folders");
    }
    G.FieldFileName = QStringLiteral("a.tvk");
    sowForSaving({{0, 0, 7}, {5, 5, 7}});
    QCOMPARE(SavePole(QStringLiteral("a.tvk")), 1);
    QCOMPARE(game.messageTexts(), QStringList{QStringLiteral("Файл a.tvk защищён от записи.")});
    QCOMPARE(game.readFile("Pole/a.tvk"), old);
}

QTEST_MAIN(FieldFilesTest)
#include "test_fieldfiles.moc"
