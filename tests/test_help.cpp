// Help and about: the help page opens from the menu and by F1, the about window shows its band and
// its link takes the player to the help page through a redirect page, whatever the folder allows.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "core/GameState.h"
#include "help/OpURL.h"
#include "help/SaveFileUrl.h"
#include "menu/Menu.h"
#include "play/FieldInput.h"
#include "support/GameFixture.h"
#include "support/ModalScript.h"
#include "ui/PictureBox.h"
#include "ui/frmForma.h"
#include "ui/frmHelp.h"
#include "ui/frmOprog.h"

namespace {
const QString kSite = QStringLiteral("https://a.example/kelvary");

// Records what the game asks the desktop to open.
struct OpenedUrls {
    OpenedUrls() { setUrlOpener([this](const QUrl& url) { urls << url; }); }
    ~OpenedUrls() { setUrlOpener(nullptr); }
    QList<QUrl> urls;
};

// Runs the command and hands the modal window it opened to the check; false when none opened.
template <typename Window>
bool whileOpen(const std::function<void()>& command, const std::function<void(Window&)>& check) {
    ModalScript script;
    script.then<Window>(check);
    command();
    return script.finished();
}

QByteArray helpPage() {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Kelvary</title></head><body>"
                          "<h1>Правила игры</h1><img src=\"help/field.png\"></body></html>")
        .toUtf8();
}

void putHelpPage(GameFixture& game) {
    game.writeFile(QStringLiteral("Help.htm"), helpPage());
    QDir(game.folder()).mkpath(QStringLiteral("help"));
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(game.folder() + QStringLiteral("help/field.png")));
}

bool runningAsRoot() {
    QTemporaryDir probe;
    QFile::setPermissions(probe.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFile(probe.path() + QStringLiteral("/x")).open(QIODevice::WriteOnly);
    QFile::setPermissions(probe.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return writable;
}
}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void helpFromTheMenuShowsThePageWithItsPictures();
    void helpBrowserFillsTheWindowAsItIsResized();
    void missingHelpPageSaysSoInsideTheWindow();
    void f1OnTheFieldOpensHelpUnlessTheFieldIsBusy();
    void aboutWindowShowsVersionDatesAndTheBand();
    void helpLinkOpensTheHelpPageAndRestoresThePointer();
    void redirectPageIsOneLineExactlyAsBrowsersExpectIt();
    void aNameThatCannotBeWrittenIsSkipped();
    void unwritableFieldFolderOpensTheAddressItself_data();
    void unwritableFieldFolderOpensTheAddressItself();
};

void HelpTest::helpFromTheMenuShowsThePageWithItsPictures() {
    GameFixture game;
    putHelpPage(game);
    game.start();
    const bool opened = whileOpen<frmHelp>([] { RunMenuItem(QStringLiteral("Справка")); }, [&](frmHelp& help) {
        QCOMPARE(help.windowTitle(), QStringLiteral("Справка"));
        QCOMPARE(help.WebBrowser1->source(), QUrl::fromLocalFile(game.folder() + QStringLiteral("Help.htm")));
        QCOMPARE(help.WebBrowser1->documentTitle(), QStringLiteral("Kelvary"));
        QVERIFY(help.WebBrowser1->toPlainText().contains(QStringLiteral("Правила игры")));
        // Pictures are found beside the page, wherever the program folder is.
        const QVariant picture = help.WebBrowser1->loadResource(QTextDocument::ImageResource,
                                                                QUrl(QStringLiteral("help/field.png")));
        QCOMPARE(QImage::fromData(picture.toByteArray()).size(), QSize(12, 8));
    });
    QVERIFY(opened);
    QVERIFY(game.messages.empty());
}

void HelpTest::helpBrowserFillsTheWindowAsItIsResized() {
    GameFixture game;
    putHelpPage(game);
    game.start();
    frmHelp help(&game.window());
    help.show();
    QCOMPARE(help.WebBrowser1->geometry(), QRect(QPoint(0, 0), help.size()));
    for (const QSize size : {QSize(500, 380), QSize(900, 700)}) {
        help.resize(size);
        QCOMPARE(help.WebBrowser1->geometry(), QRect(0, 0, size.width(), size.height()));
    }
    QVERIFY(help.minimumSize() != help.maximumSize());  // the player may resize it
}

void HelpTest::missingHelpPageSaysSoInsideTheWindow() {
    GameFixture game;
    game.start();
    frmHelp help(&game.window());
    const QString text = help.WebBrowser1->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Help.htm")) && text.contains(QStringLiteral("не найден")),
             qPrintable(text));
    QVERIFY(game.messages.empty());
}

void HelpTest::f1OnTheFieldOpensHelpUnlessTheFieldIsBusy() {
    GameFixture game;
    putHelpPage(game);
    game.start();
    QVERIFY(whileOpen<frmHelp>([] { picPole_KeyDown(Qt::Key_F1, 0); }, [](frmHelp&) {}));
    QVERIFY(whileOpen<frmHelp>([] { picPole_KeyDown(Qt::Key_F1, kShift | kCtrl); }, [](frmHelp&) {}));
    G.Busy = FieldLock::Busy;
    QVERIFY(!whileOpen<frmHelp>([] { picPole_KeyDown(Qt::Key_F1, 0); }, [](frmHelp&) {}));
}

void HelpTest::aboutWindowShowsVersionDatesAndTheBand() {
    GameFixture game;
    game.start();
    const bool opened = whileOpen<frmOprog>([] { RunMenuItem(QStringLiteral("О программе")); }, [](frmOprog& about) {
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(about.lblVersiya->text(), QStringLiteral("Версия: v2.1"));
        QCOMPARE(about.lblData->text(), QStringLiteral("Дата: 27 октября 2006 год"));
        QCOMPARE(about.lblData2->text(), QStringLiteral("4 августа 2015 год"));
        QCOMPARE(about.lblSait->text(), QStringLiteral("Справка:"));
        QVERIFY(about.Label1->text().contains(QStringLiteral(">открыть в браузере<")));
        QVERIFY(about.lblKartinki->text().contains(QStringLiteral("Twemoji, CC-BY 4.0")));
        QVERIFY(!about.Image1->pixmap().isNull());
        QCOMPARE(about.Picture1->width(), 80);
        // White, then blue, then red, across the whole width.
        for (int x = 0; x < 80; ++x) {
            for (int y = 0; y <= 45; ++y) {
                const Rgb expected = y < 15 ? kWhite : y <= 30 ? Rgb(0x0000FF) : Rgb(0xFF0000);
                QCOMPARE(about.Picture1->pixel(x, y), expected);
            }
        }
        // Every label fits inside the window.
        for (const QLabel* label : about.findChildren<QLabel*>())
            QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->text()));
        about.OK->click();
        QCOMPARE(about.result(), int(QDialog::Accepted));
    });
    QVERIFY(opened);
}

void HelpTest::helpLinkOpensTheHelpPageAndRestoresThePointer() {
    GameFixture game;
    game.start();
    OpenedUrls opened;
    frmOprog about(&game.window());
    about.show();
    emit about.Label1->linkActivated(QStringLiteral("Help.htm"));
    const QString page = game.folder() + QStringLiteral("Pole/0.html");
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(page)});
    // The page sends the browser on to the help page of this very folder.
    const QByteArray helpPage = QUrl::fromLocalFile(game.folder() + QStringLiteral("Help.htm")).toEncoded();
    QCOMPARE(game.readFile(QStringLiteral("Pole/0.html")), redirectPage(QString::fromLatin1(helpPage)));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void HelpTest::redirectPageIsOneLineExactlyAsBrowsersExpectIt() {
    QCOMPARE(redirectPage(QStringLiteral("http://a.example/x?y=1")),
             QByteArray("<html><head><meta http-equiv='refresh' content='0; url=http://a.example/x?y=1'>"
                        "<meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
                        "<title>WWW</title></head><body></body></html>\r\n"));
}

void HelpTest::aNameThatCannotBeWrittenIsSkipped() {
    GameFixture game;
    game.start();
    OpenedUrls opened;
    // A folder where "0.html" should be: that name cannot be written, the next one can.
    QVERIFY(QDir(game.folder()).mkpath(QStringLiteral("Pole/0.html")));
    game.writeFile(QStringLiteral("Pole/1.html"), "an older page");
    SaveFileUrl(kSite);
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(game.folder() + QStringLiteral("Pole/1.html"))});
    QCOMPARE(game.readFile(QStringLiteral("Pole/1.html")), redirectPage(kSite));
    QVERIFY(!QFileInfo::exists(game.folder() + QStringLiteral("Pole/2.html")));
}

void HelpTest::unwritableFieldFolderOpensTheAddressItself_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a file in its place") << "file";
    QTest::newRow("read-only") << "read-only";
}

void HelpTest::unwritableFieldFolderOpensTheAddressItself() {
    QFETCH(QString, how);
    GameFixture game;
    game.start();
    OpenedUrls opened;
    const QString pole = game.folder() + QStringLiteral("Pole");
    QVERIFY(QDir(pole).removeRecursively());
    if (how == QLatin1String("file")) {
        game.writeFile(QStringLiteral("Pole"), "not a folder");
    } else if (how == QLatin1String("read-only")) {
        if (runningAsRoot())
            QSKIP("root writes into read-only folders; the missing and file cases cover the same loop");
        QVERIFY(QDir().mkpath(pole));
        QVERIFY(QFile::setPermissions(pole, QFile::ReadOwner | QFile::ExeOwner));
    }
    SaveFileUrl(kSite);
    QCOMPARE(opened.urls, QList<QUrl>{QUrl(kSite)});
    QVERIFY(!QFileInfo::exists(pole + QStringLiteral("/0.html")));
    QFile::setPermissions(pole, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
