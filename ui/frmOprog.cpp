#include "ui/frmOprog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "core/Version.h"
#include "help/SaveFileUrl.h"
#include "ui/Zoom.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/PictureBox.h"

namespace {
constexpr Rgb kBandBlue = 0x0000FF;
constexpr Rgb kBandRed = 0xFF0000;

QLabel* textLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QFrame* groove(QWidget* parent, int top) {
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(12, top, 416, 2);
    return line;
}
}  // namespace

frmOprog::frmOprog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(440, 292);
    setFont(sansFont(14));
    Image1 = new QLabel(this);
    showArt(Image1, QStringLiteral("oprog"));
    Image1->setGeometry(16, 14, 64, 64);
    lblNazvanie = textLabel(this, QStringLiteral("Kelvary"), 96, 14);
    lblNazvanie->setFont(serifFont(32, true));
    lblNazvanie->adjustSize();
    textLabel(this, QStringLiteral("Огород, робот и пары саженцев"), 96, 56);
    Picture1 = new PictureBox(this, 80, 46, kWhite);
    Picture1->move(344, 22);
    Line1 = groove(this, 92);
    lblVersiya = textLabel(this, QStringLiteral("Версия: v") + QString::fromLatin1(kVersion), 16, 104);
    lblData = textLabel(this, QStringLiteral("Дата: 27 октября 2006 год"), 16, 128);
    // The later date stands under the first one's day, as a second edition of the same line.
    const int dateColumn = 16 + QFontMetrics(font()).horizontalAdvance(QStringLiteral("Дата: "));
    lblData2 = textLabel(this, QStringLiteral("4 августа 2015 год"), dateColumn, 150);
    Line2 = groove(this, 180);
    // The link opens the help page shipped with the game, so it says so rather than promise a site.
    lblSait = textLabel(this, QStringLiteral("Справка:"), 16, 192);
    Label1 = textLabel(this, QStringLiteral("<a href=\"Help.htm\">открыть в браузере</a>"), 16 + lblSait->width() + 6, 192);
    Label1->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Label1->setOpenExternalLinks(false);
    lblAvtor = textLabel(this, QStringLiteral("Автор: команда Kelvary"), 16, 216);
    lblLicenziya = textLabel(this, QStringLiteral("Лицензия: GNU GPL 3 или новее"), 16, 240);
    lblKartinki = textLabel(this, QStringLiteral("Картинки: по Twemoji, CC-BY 4.0"), 16, 264);
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setGeometry(336, 248, 88, 30);
    OK->setDefault(true);
    connect(Label1, &QLabel::linkActivated, this, &frmOprog::Label1_Click);
    connect(OK, &QPushButton::clicked, this, &frmOprog::OK_Click);
    Form_Load();
}

void frmOprog::Form_Load() {
    Surface band(Picture1);
    band.fillBox(0, 15, 79, 30, kBandBlue);
    band.fillBox(0, 31, 79, 45, kBandRed);
}

void frmOprog::Label1_Click() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    SaveFileUrl(helpPageAddress());
    QGuiApplication::restoreOverrideCursor();
}

void frmOprog::OK_Click() { accept(); }
