// The game installed as a desktop program, or a program folder copied where it cannot be written:
// the data it ships is copied into the player's own data folder, where the help page, the fields,
// the photos and a program folder's players, records and settings are found; a writable program
// folder keeps running from where it is. One copy of the game runs on a folder at a time.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "core/ProgramFolder.h"
#include "core/ShippedData.h"
#include "core/SingleInstance.h"
#include "ui/Messages.h"

namespace {
void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A prefix laid out as "cmake --install" lays it out, and a data home of its own for the player.
struct InstalledTree {
    InstalledTree() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("home-data"))));
        QCoreApplication::setApplicationName(QStringLiteral("kelvary"));
        QDir().mkpath(bin);
        put(data + QStringLiteral("Help.htm"), "<html><head><title>Kelvary</title></head><body>1</body></html>");
        put(data + QStringLiteral("help/field.png"), "picture");
        put(data + QStringLiteral("Avariya.mp3"), "sound");
        put(data + QStringLiteral("Pole/Sad.tvk"), "[tavik]\r\n");
        put(data + QStringLiteral("Photo/kot.png"), "photo");
    }
    ~InstalledTree() { qunsetenv("XDG_DATA_HOME"); }
    QString userFolder() const { return root.filePath(QStringLiteral("home-data/kelvary")); }

    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    const QString data = root.filePath(QStringLiteral("usr/share/games/kelvary/"));
};

QString buildFolder() {
    const QString programFolder = qEnvironmentVariable("KELVARY_PROGRAM_FOLDER");
    return programFolder.isEmpty() ? QString() : QDir(programFolder + QStringLiteral("/..")).absolutePath();
}
}  // namespace

class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void installedGameKeepsItsFilesInThePlayersDataFolder();
    void laterStartsNeverBringBackOrOverwriteThePlayersFieldsAndPhotos();
    void anUpgradeRenewsOrRemovesTheCopiesThePlayerNeverChanged();
    void readOnlyProgramFolderFillsThePlayersFolderFromBesideTheBinary();
    void programFolderWithItsDataBesideTheBinaryRunsWhereItIs();
    void cmakeInstallGivesATreeTheGameStartsFrom();
    void aSecondCopyOnTheFolderIsToldAndACrashedOneBlocksNothing();
    void versionIsTheChangelogs();
};

void InstallTest::installedGameKeepsItsFilesInThePlayersDataFolder() {
    InstalledTree tree;
    const QString folder = programFolder(tree.bin, true);
    QCOMPARE(folder, tree.userFolder());
    for (const char* file : {"Help.htm", "help/field.png", "Avariya.mp3", "Pole/Sad.tvk", "Photo/kot.png"})
        QCOMPARE(contentOf(folder + QLatin1Char('/') + QLatin1String(file)),
                 contentOf(tree.data + QLatin1String(file)));
    QVERIFY(QFileInfo(folder + QStringLiteral("/Photo")).isDir());
    // The player may change a copied field: it must be writable even though the installed one is not.
    QVERIFY(QFileInfo(folder + QStringLiteral("/Pole/Sad.tvk")).isWritable());
}

void InstallTest::laterStartsNeverBringBackOrOverwriteThePlayersFieldsAndPhotos() {
    InstalledTree tree;
    const QString folder = programFolder(tree.bin, true);
    put(folder + QStringLiteral("/Pole/Sad.tvk"), "the player's own sowing");
    QVERIFY(QFile::remove(folder + QStringLiteral("/Photo/kot.png")));
    put(folder + QStringLiteral("/Tavik.ini"), " 1 \r\n");
    // An upgrade brings a new help page, a new field and a new photo, and changes the old field.
    put(tree.data + QStringLiteral("Help.htm"), "<html><body>2</body></html>");
    put(tree.data + QStringLiteral("Pole/Ogorod.tvk"), "[tavik]\r\n 5 \r\n");
    put(tree.data + QStringLiteral("Pole/Sad.tvk"), "[tavik]\r\n 1 \r\n");
    put(tree.data + QStringLiteral("Photo/sova.png"), "owl");
    QCOMPARE(programFolder(tree.bin, true), folder);
    QCOMPARE(contentOf(folder + QStringLiteral("/Pole/Sad.tvk")), QByteArray("the player's own sowing"));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Photo/kot.png")));
    QCOMPARE(contentOf(folder + QStringLiteral("/Tavik.ini")), QByteArray(" 1 \r\n"));
    QCOMPARE(contentOf(folder + QStringLiteral("/Help.htm")), QByteArray("<html><body>2</body></html>"));
    QCOMPARE(contentOf(folder + QStringLiteral("/Pole/Ogorod.tvk")), QByteArray("[tavik]\r\n 5 \r\n"));
    QCOMPARE(contentOf(folder + QStringLiteral("/Photo/sova.png")), QByteArray("owl"));
    // Once added, a new photo is the player's too.
    QVERIFY(QFile::remove(folder + QStringLiteral("/Photo/sova.png")));
    QCOMPARE(programFolder(tree.bin, true), folder);
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Photo/sova.png")));
}

void InstallTest::anUpgradeRenewsOrRemovesTheCopiesThePlayerNeverChanged() {
    InstalledTree tree;
    put(tree.data + QStringLiteral("Pole/Luk.tvk"), "onion");
    put(tree.data + QStringLiteral("Pole/Repa.tvk"), "turnip");
    const QString folder = programFolder(tree.bin, true);
    const auto pole = [&](const char* name) { return folder + QStringLiteral("/Pole/") + QLatin1String(name); };
    put(pole("Sad.tvk"), "the player's own sowing");
    put(pole("Moj.tvk"), "the player's own field");
    // Copies an earlier version recorded without checksums: one as shipped, one changed since.
    put(pole("staryj.tvk"), "old field");
    put(pole("pravlennyj.tvk"), "changed old field");
    QFile record(folder + QLatin1Char('/') + QLatin1String(kCopiedRecord));
    QVERIFY(record.open(QIODevice::Append));
    record.write("Pole/staryj.tvk\r\nPole/pravlennyj.tvk\r\n");
    record.close();
    // sha1 of "old field" and of "old one"
    put(tree.data + QLatin1String(kShippedBefore), "3349c62f62866c45f2a1542e38be9a24808dac72  Pole/staryj.tvk\n"
                                                   "40de09fc7bafe290a79e8e06e541678a39bc99f8  Pole/pravlennyj.tvk\n");
    QFile::remove(tree.data + QStringLiteral("Pole/Luk.tvk"));
    QFile::remove(tree.data + QStringLiteral("Pole/Sad.tvk"));
    put(tree.data + QStringLiteral("Pole/01 Сад.tvk"), "garden");
    put(tree.data + QStringLiteral("Pole/Repa.tvk"), "turnip, resown");
    QCOMPARE(programFolder(tree.bin, true), folder);
    QCOMPARE(QDir(folder + QStringLiteral("/Pole")).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
             (QStringList{"01 Сад.tvk", "Moj.tvk", "pravlennyj.tvk", "Repa.tvk", "Sad.tvk"}));
    QCOMPARE(contentOf(pole("Repa.tvk")), QByteArray("turnip, resown"));
}

void InstallTest::readOnlyProgramFolderFillsThePlayersFolderFromBesideTheBinary() {
    InstalledTree tree;
    QTemporaryDir opt;
    const QString app = opt.path() + QLatin1Char('/');
    // The folder's players, honour board and settings go with the data; the programs do not.
    const auto data = {"Help.htm",     "help/field.png", "Avariya.mp3", "Pole/Sad.tvk",
                       "Photo/kot.png", "Igroki.ini",     "Lidery.ini",  "Tavik.ini"};
    for (const char* file : data)
        put(app + QLatin1String(file), QByteArray("beside: ") + file);
    for (const char* file : {"kelvary", "kelvary_sound.so"})
        put(app + QLatin1String(file), "not data");
    const QString folder = programFolder(opt.path(), false);
    QCOMPARE(folder, tree.userFolder());
    for (const char* file : data)
        QCOMPARE(contentOf(folder + QLatin1Char('/') + QLatin1String(file)), QByteArray("beside: ") + file);
    for (const char* file : {"kelvary", "kelvary_sound.so"})
        QVERIFY2(!QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(file)), file);
}

void InstallTest::aSecondCopyOnTheFolderIsToldAndACrashedOneBlocksNothing() {
    QTemporaryDir folder;
    QStringList said;
    setMessageResponder([&said](const Message& message) {
        said << message.text;
        return MsgAnswer::Ok;
    });
    // The lock a crashed copy left: its process is long gone.
    put(folder.filePath(QLatin1String(kFolderLock)),
        "999999999\nkelvary\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QVERIFY(claimFolder(folder.path()));
    QVERIFY(said.isEmpty());
    QVERIFY(!claimFolder(folder.path()));
    QCOMPARE(said, QStringList{QStringLiteral("Kelvary уже запущена.")});
    setMessageResponder(nullptr);
}

void InstallTest::programFolderWithItsDataBesideTheBinaryRunsWhereItIs() {
    InstalledTree tree;
    // A copied program folder: fields beside the binary, as the build leaves them.
    QDir(tree.bin).mkpath(QStringLiteral("Pole"));
    QCOMPARE(programFolder(tree.bin, true), tree.bin);
    QVERIFY(!QFileInfo::exists(tree.userFolder()));
    // A lone binary with nothing installed beside it runs where it is too.
    QTemporaryDir lone;
    QCOMPARE(programFolder(lone.path(), true), lone.path());
}

void InstallTest::cmakeInstallGivesATreeTheGameStartsFrom() {
    const QString build = buildFolder();
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    if (build.isEmpty() || cmake.isEmpty())
        QSKIP("needs the build folder (KELVARY_PROGRAM_FOLDER, set by ctest) and cmake");
    QTemporaryDir prefix;
    QProcess install;
    install.start(cmake, {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    const QDir root(prefix.path());
    for (const char* file : {"bin/kelvary", "bin/kelvary-pole", "share/games/kelvary/Help.htm",
                             "share/games/kelvary/Avariya.mp3", "share/applications/kelvary.desktop",
                             "share/icons/hicolor/16x16/apps/kelvary.png", "share/icons/hicolor/256x256/apps/kelvary.png",
                             "share/icons/hicolor/scalable/apps/kelvary.svg", "share/doc/kelvary/COPYING",
                             "share/doc/kelvary/ART-LICENSE.md"})
        QVERIFY2(root.exists(QLatin1String(file)), file);
    QVERIFY(!QDir(root.filePath(QStringLiteral("share/games/kelvary/help"))).entryList(QDir::Files).isEmpty());
    // Every bundled photo fills the photo box exactly, and there are enough to choose from.
    const QDir photos(root.filePath(QStringLiteral("share/games/kelvary/Photo")));
    QVERIFY(photos.entryList(QDir::Files).size() >= 16);
    for (const QString& photo : photos.entryList(QDir::Files))
        QVERIFY2(QImage(photos.filePath(photo)).size() == QSize(110, 140), qPrintable(photo));
    const QSettings entry(root.filePath(QStringLiteral("share/applications/kelvary.desktop")), QSettings::IniFormat);
    QCOMPARE(entry.value(QStringLiteral("Desktop Entry/Exec")).toString(), QStringLiteral("kelvary"));
    QCOMPARE(entry.value(QStringLiteral("Desktop Entry/Icon")).toString(), QStringLiteral("kelvary"));

    // The installed game starts and fills the player's folder from its installed data.
    QTemporaryDir dataHome;
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    game.start(root.filePath(QStringLiteral("bin/kelvary")), {});
    QVERIFY(game.waitForStarted());
    const QString userFolder = dataHome.filePath(QStringLiteral("kelvary"));
    // The record of the copied fields and photos is written once they are all there.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(userFolder + QLatin1Char('/') + QLatin1String(kCopiedRecord)), 20000);
    QVERIFY(game.state() == QProcess::Running);
    game.kill();
    game.waitForFinished();
    QCOMPARE(contentOf(userFolder + QStringLiteral("/Help.htm")),
             contentOf(root.filePath(QStringLiteral("share/games/kelvary/Help.htm"))));
    for (const char* folder : {"Pole", "Photo"})
        QCOMPARE(QDir(userFolder + QLatin1Char('/') + QLatin1String(folder)).entryList(QDir::Files),
                 QDir(root.filePath(QStringLiteral("share/games/kelvary/") + QLatin1String(folder))).entryList(QDir::Files));
}

void InstallTest::versionIsTheChangelogs() {
    const QByteArray changelog = contentOf(QStringLiteral(KELVARY_CHANGELOG));
    const QRegularExpressionMatch entry =
        QRegularExpression(QStringLiteral("^kelvary \\(([^)]+)\\)")).match(QString::fromUtf8(changelog));
    QVERIFY(entry.hasMatch());
    QProcess game;
    game.start(qEnvironmentVariable("KELVARY_PROGRAM_FOLDER") + QStringLiteral("/kelvary"), {QStringLiteral("--version")});
    QVERIFY(game.waitForFinished());
    QCOMPARE(game.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(game.readAllStandardOutput()), QStringLiteral("kelvary %1\n").arg(entry.captured(1)));
}

QTEST_MAIN(InstallTest)
#include "test_install.moc"
