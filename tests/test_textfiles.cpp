#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "core/CharTable.h"
#include "core/Cp1251.h"
#include "core/Rnd.h"
#include "core/Settings.h"
#include "core/TextFile.h"

namespace {
// Files are made and read back with plain QFile, so the code under test never checks itself.
bool putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesFrom(int first, int last)
{
    QByteArray bytes;
    for (int c = first; c <= last; ++c)
        bytes += char(c);
    return bytes;
}

// Root ignores permission bits; only a real refusal makes the protected cases meaningful.
bool canCreateIn(const QString& folder)
{
    QFile probe(folder + "/probe");
    const bool created = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return created;
}

QString describe(const Settings& s)
{
    return QString("%1 %2 [%3]").arg(s.ShuffleKindsDefault).arg(s.NoTractor).arg(s.LastFieldName);
}
}

class TextFilesTest : public QObject {
    Q_OBJECT

private slots:
    void generatorRepeatsAndAgrees()
    {
        for (int32_t seed : {1, -5, INT32_MIN}) {
            Rnd a, b;
            a.restart(seed);
            b.restart(seed);
            for (int32_t n : {1, 7, 224, 3200000}) {
                const double draw = a.next();
                QVERIFY(draw >= 0.0 && draw < 1.0);
                QCOMPARE(b.below(n), int32_t(std::floor(draw * n)));
            }
        }
        for (int i = 0; i < 20; ++i) {
            const int32_t seed = newFileSeed();
            QVERIFY(seed >= 1 && seed <= 3200000);
        }
    }

    void scrambleTableOfSeedOne()
    {
        const CharTable table = scrambleTable(1);
        const QList<int> expected{253, 71, 239, 173, 234, 225, 76, 38, 32, 142, 181, 215, 54, 250, 90, 61};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(int(table[32 + i]), expected[i]);
    }

    void scrambleTablePermutes_data()
    {
        QTest::addColumn<int32_t>("seed");
        for (int32_t seed : {1, 777, 3200000, -1})
            QTest::addRow("%d", seed) << seed;
    }
    void scrambleTablePermutes()
    {
        QFETCH(int32_t, seed);
        const CharTable table = scrambleTable(seed);
        const QByteArray low = bytesFrom(0, 31);
        QCOMPARE(translated(low, table), low);
        const QByteArray text = bytesFrom(32, 255);
        QByteArray scrambled = translated(text, table);
        QCOMPARE(translated(scrambled, inverted(table)), text);
        std::sort(scrambled.begin(), scrambled.end(), [](char a, char b) { return uint8_t(a) < uint8_t(b); });
        QCOMPARE(scrambled, text);
    }

    void cp1251Codec()
    {
        QVERIFY(QStringEncoder("windows-1251").isValid());
        const QString field = QString::fromUtf8("Поле");
        QCOMPARE(toCp1251(field), QByteArray("\xCF\xEE\xEB\xE5"));
        QCOMPARE(fromCp1251("\xCF\xEE\xEB\xE5"), field);
        const QByteArray everyByte = bytesFrom(32, 255);
        QCOMPARE(toCp1251(fromCp1251(everyByte)), everyByte);
    }

    void fitsCp1251_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::newRow("cyrillic and signs") << QString::fromUtf8("Поле №1, ёж €") << true;
        QTest::newRow("latin") << QString("field 2.txt") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("umlaut") << QString::fromUtf8("feld ä") << false;
        QTest::newRow("chinese") << QString::fromUtf8("田") << false;
        QTest::newRow("tab") << QString("a\tb") << false;
    }
    void fitsCp1251()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QCOMPARE(::fitsCp1251(text), fits);
    }

    void numberLines()
    {
        QCOMPARE(numberLine(5), QByteArray(" 5 "));
        QCOMPARE(numberLine(0), QByteArray(" 0 "));
        QCOMPARE(numberLine(-1), QByteArray("-1 "));
        for (int32_t n : {INT32_MIN, -1234, 3200000, INT32_MAX})
            QCOMPARE(parseNumber(numberLine(n)), n);
    }

    void parseNumberEdges_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<std::optional<int32_t>>("expected");
        QTest::newRow("blanks around") << QByteArray("  42  ") << std::optional<int32_t>(42);
        QTest::newRow("plus sign") << QByteArray("+7") << std::optional<int32_t>(7);
        QTest::newRow("lowest") << QByteArray("-2147483648") << std::optional<int32_t>(INT32_MIN);
        QTest::newRow("too high") << QByteArray("2147483648") << std::optional<int32_t>();
        QTest::newRow("too low") << QByteArray("-2147483649") << std::optional<int32_t>();
        QTest::newRow("empty") << QByteArray("") << std::optional<int32_t>();
        QTest::newRow("blanks only") << QByteArray("   ") << std::optional<int32_t>();
        QTest::newRow("sign only") << QByteArray("-") << std::optional<int32_t>();
        QTest::newRow("blank inside") << QByteArray("4 2") << std::optional<int32_t>();
        QTest::newRow("sign apart") << QByteArray("- 5") << std::optional<int32_t>();
        QTest::newRow("trailing text") << QByteArray("12a") << std::optional<int32_t>();
        QTest::newRow("fraction") << QByteArray("1.5") << std::optional<int32_t>();
        QTest::newRow("hex") << QByteArray("0x10") << std::optional<int32_t>();
    }
    void parseNumberEdges()
    {
        QFETCH(QByteArray, line);
        QFETCH(std::optional<int32_t>, expected);
        QCOMPARE(parseNumber(line), expected);
    }

    void readTextLinesSplits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("bare LF") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("last line unended") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
        QTest::newRow("empty lines count") << QByteArray("\r\na\r\n\r\n") << QList<QByteArray>{"", "a", ""};
        QTest::newRow("one CR dropped") << QByteArray("a\r\r\n") << QList<QByteArray>{"a\r"};
        QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
    }
    void readTextLinesSplits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        QVERIFY(putFile(path, bytes));
        const TextLines read = readTextLines(path);
        QCOMPARE(read.status, OpenStatus::Ok);
        QCOMPARE(read.lines, lines);
    }

    void readTextLinesRefuses()
    {
        QTemporaryDir dir;
        QCOMPARE(readTextLines(dir.filePath("missing.txt")).status, OpenStatus::NotFound);
        QCOMPARE(readTextLines(dir.path()).status, OpenStatus::Failed);
        const QString huge = dir.filePath("huge.txt");
        QVERIFY(putFile(huge, QByteArray(2 << 20, 'a')));
        QCOMPARE(readTextLines(huge).status, OpenStatus::Failed);

        const QString locked = dir.filePath("locked.txt");
        QVERIFY(putFile(locked, "a\r\n"));
        QVERIFY(QFile::setPermissions(locked, {}));
        if (QFile(locked).open(QIODevice::ReadOnly))
            QSKIP("running as root: an unreadable file is still readable");
        QCOMPARE(readTextLines(locked).status, OpenStatus::Failed);
    }

    void writeReplacesOrFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        QCOMPARE(writeFileAtomically(path, "old"), WriteStatus::Ok);
        QCOMPARE(writeFileAtomically(path, "new"), WriteStatus::Ok);
        QCOMPARE(fileBytes(path), QByteArray("new"));
        QCOMPARE(writeFileAtomically(dir.filePath("no/f.txt"), "x"), WriteStatus::Failed);
        QVERIFY(!QFileInfo::exists(dir.filePath("no")));
    }

    void writeIntoProtectedPlaces()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("ro");
        const QString path = folder + "/f.txt";
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(putFile(path, "old"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (canCreateIn(folder))
            QSKIP("running as root: read-only permissions do not stop writing");

        QCOMPARE(writeFileAtomically(path, "new"), WriteStatus::Protected);
        QCOMPARE(fileBytes(path), QByteArray("old"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"f.txt"});
        // A read-only file in a writable folder is refused too.
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(writeFileAtomically(path, "new"), WriteStatus::Protected);
        QCOMPARE(fileBytes(path), QByteArray("old"));
    }

    void settingsMissingFileOrLines()
    {
        QTemporaryDir dir;
        const Settings before{1, 1, "pole.txt"};
        Settings settings = before;
        readSettings(dir.filePath("Tavik.ini"), settings);
        QCOMPARE(describe(settings), describe(before));

        const QString path = dir.filePath("Tavik.ini");
        QVERIFY(putFile(path, " 1 \r\n"));
        settings = Settings{0, 1, "pole.txt"};
        readSettings(path, settings);
        QCOMPARE(describe(settings), describe(Settings{1, 1, "pole.txt"}));
    }

    void settingsSwitchesReadAsZeroOrOne_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int32_t>("value");
        QTest::newRow("one") << QByteArray(" 1 ") << 1;
        QTest::newRow("zero") << QByteArray(" 0 ") << 0;
        QTest::newRow("five") << QByteArray(" 5 ") << 0;
        QTest::newRow("text") << QByteArray("yes") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
    }
    void settingsSwitchesReadAsZeroOrOne()
    {
        QFETCH(QByteArray, line);
        QFETCH(int32_t, value);
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavik.ini");
        QVERIFY(putFile(path, line + "\r\n" + line + "\r\n\r\n"));
        Settings settings{1 - value, 1 - value, "x"};
        readSettings(path, settings);
        QCOMPARE(describe(settings), describe(Settings{value, value, ""}));
    }

    void settingsRoundTrip_data()
    {
        QTest::addColumn<int32_t>("shuffle");
        QTest::addColumn<int32_t>("noTractor");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults") << 0 << 0 << QString() << QByteArray(" 0 \r\n 0 \r\n\r\n");
        QTest::newRow("comma") << 1 << 0 << QString("pole, 2.txt") << QByteArray(" 1 \r\n 0 \r\npole, 2.txt\r\n");
        QTest::newRow("cyrillic, Windows-1251") << 0 << 1 << QString::fromUtf8("поле №1.txt")
                                                 << QByteArray(" 0 \r\n 1 \r\n\xEF\xEE\xEB\xE5 \xB9\x31.txt\r\n");
    }
    void settingsRoundTrip()
    {
        QFETCH(int32_t, shuffle);
        QFETCH(int32_t, noTractor);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavik.ini");
        const Settings written{shuffle, noTractor, name};
        QCOMPARE(writeSettings(path, written), WriteStatus::Ok);
        QCOMPARE(fileBytes(path), bytes);
        Settings read{1 - shuffle, 1 - noTractor, "x"};
        readSettings(path, read);
        QCOMPARE(describe(read), describe(written));
    }
};

QTEST_GUILESS_MAIN(TextFilesTest)
#include "test_textfiles.moc"
