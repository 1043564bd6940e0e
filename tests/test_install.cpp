// The game installed as a desktop program, or a program folder copied where it cannot be written:
// the data it ships is copied into the player's own data folder, where the help page, the fields
// and the photos are found; a writable program folder keeps running from where it is.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/ProgramFolder.h"
#include "core/ShippedData.h"

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
    void readOnlyProgramFolderFillsThePlayersFolderFromBesideTheBinary();
    void programFolderWithItsDataBesideTheBinaryRunsWhereItIs();
    void cmakeInstallGivesATreeTheGameStartsFrom();
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

void InstallTest::readOnlyProgramFolderFillsThePlayersFolderFromBesideTheBinary() {
    InstalledTree tree;
    QTemporaryDir opt;
    const QString app = opt.path() + QLatin1Char('/');
    for (const char* file : {"Help.htm", "help/field.png", "Avariya.mp3", "Pole/Sad.tvk", "Photo/kot.png"})
        put(app + QLatin1String(file), QByteArray("beside: ") + file);
    // The programs and whatever players' files the folder had are not the player's to take.
    for (const char* file : {"kelvary", "kelvary_sound.so", "Igroki.ini", "Lidery.ini", "Tavik.ini"})
        put(app + QLatin1String(file), "not data");
    const QString folder = programFolder(opt.path(), false);
    QCOMPARE(folder, tree.userFolder());
    for (const char* file : {"Help.htm", "help/field.png", "Avariya.mp3", "Pole/Sad.tvk", "Photo/kot.png"})
        QCOMPARE(contentOf(folder + QLatin1Char('/') + QLatin1String(file)), QByteArray("beside: ") + file);
    for (const char* file : {"kelvary", "kelvary_sound.so", "Igroki.ini", "Lidery.ini", "Tavik.ini"})
        QVERIFY2(!QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(file)), file);
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
