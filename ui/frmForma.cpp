#include "ui/frmForma.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include "core/Geometry.h"
#include "core/MainFrame.h"
#include "core/Rules.h"
#include "editor/History.h"
#include "editor/Sowing.h"
#include "menu/GameEnd.h"
#include "menu/Menu.h"
#include "play/Battery.h"
#include "play/FieldInput.h"
#include "play/Hint.h"
#include "play/RobotRun.h"
#include "play/Tractor.h"
#include "ui/Banner.h"
#include "ui/Fonts.h"
#include "ui/GameTimer.h"
#include "ui/PictureBox.h"
#include "ui/Zoom.h"

namespace {
// The window, its frame and its artwork are drawn around a field of this size.
static_assert(kFieldWidth == 576 && kFieldHeight == 400, "the main window's layout assumes the 16 x 10 field");

frmForma* theWindow = nullptr;

// The field's client area sits inside a sunken two-pixel border.
class SunkenFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const qreal scale = layoutScale(this);
        p.scale(scale, scale);
        const QRect logical = logicalGeometry(this);
        const int w = logical.width(), h = logical.height();
        p.fillRect(0, 0, w, 1, QColor(QRgb(0x808080)));
        p.fillRect(0, 0, 1, h, QColor(QRgb(0x808080)));
        p.fillRect(1, 1, w - 2, 1, QColor(QRgb(0x000000)));
        p.fillRect(1, 1, 1, h - 2, QColor(QRgb(0x000000)));
        p.fillRect(0, h - 1, w, 1, QColor(QRgb(0xFFFFFF)));
        p.fillRect(w - 1, 0, 1, h, QColor(QRgb(0xFFFFFF)));
        p.fillRect(1, h - 2, w - 2, 1, QColor(QRgb(0xC0C0C0)));
        p.fillRect(w - 2, 1, 1, h - 2, QColor(QRgb(0xC0C0C0)));
    }
};
}  // namespace

Forma& forma() { return theWindow->controls(); }
frmForma* frmForma::instance() { return theWindow; }
void Forma::close() { theWindow->close(); }
bool Forma::isOpen() const { return theWindow->isVisible(); }

frmForma::frmForma() {
    theWindow = this;
    setWindowTitle(QStringLiteral("Kelvary"));
    setMinimumSize(kLogicalWindow);
    resize(kLogicalWindow);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(QRgb(0xC0C0C0)));
    setPalette(background);
    // A click anywhere in the window takes the focus, so an open menu closes as it loses it.
    setFocusPolicy(Qt::ClickFocus);
    // Everything the window shows stands on one stage, scaled and centred in the window.
    stage_ = new QWidget(this);
    stage_->setGeometry(QRect(QPoint(0, 0), kLogicalWindow));
    buildZoomKeys();
    buildSheets();
    buildBanner();
    buildField();
    buildPanels();
    buildPalette();
    buildButtons();
    buildMenu();
    buildTimers();
}

frmForma::~frmForma() {
    // Hiding the children on the way out must not reach the game any more.
    for (PictureBox* box : findChildren<PictureBox*>())
        box->events = {};
    if (theWindow == this)
        theWindow = nullptr;
}

void frmForma::closeEvent(QCloseEvent* event) {
    if (UnloadGame() != 0)
        event->ignore();
    else
        event->accept();
}

PictureBox* frmForma::picture(QWidget* parent, int left, int top, int width, int height, const QString& art,
                              Rgb background) {
    auto* box = new PictureBox(parent, width, height, background, art);
    box->move(left, top);
    return box;
}

QLabel* frmForma::icon(QWidget* parent, int left, int top, const QString& art) {
    auto* label = new QLabel(parent);
    showArt(label, art);
    label->setGeometry(left, top, 32, 32);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void frmForma::buildSheets() {
    auto sheet = [this](int width, int height, const char* art) {
        PictureBox* box = picture(stage_, 0, 0, width, height, QString::fromLatin1(art));
        box->hide();
        return Surface(box);
    };
    controls_.picKG2 = sheet(180, 29, "kg2");
    controls_.picFlagy = sheet(528, 16, "flagy");
    controls_.picExit2 = sheet(30, 30, "exit2");
    controls_.picKnMenu2 = sheet(41, 89, "knmenu2");
    controls_.picPeresadka2 = sheet(41, 41, "peresadka2");
    controls_.picOtmenit2 = sheet(66, 29, "otmenit2");
    controls_.picPovtorit2 = sheet(66, 29, "povtorit2");
}

void frmForma::buildBanner() {
    auto* banner = new Banner(stage_);
    banner->lower();
    controls_.banner = Label(banner);
}

void frmForma::buildField() {
    auto* frame = new SunkenFrame(stage_);
    frame->setGeometry(4, 146, 580, 404);
    PictureBox* field = picture(frame, 2, 2, kFieldWidth, kFieldHeight, QString(), kButtonShadow);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setMouseTracking(true);
    field->events.mouseDown = picPole_MouseDown;
    field->events.mouseMove = picPole_MouseMove;
    field->events.mouseUp = picPole_MouseUp;
    field->events.keyDown = picPole_KeyDown;
    field->events.lostFocus = picPole_LostFocus;
    controls_.picPole = Surface(field);
    controls_.imgTraktor = Control(icon(field, 16, 96, QStringLiteral("traktor")));
    controls_.imgRobot = Control(icon(field, 16, 56, QStringLiteral("robot")));
    controls_.imgTraktor.setVisible(false);
    controls_.imgRobot.setVisible(false);
    controls_.imgRobot2 = Control(icon(stage_, 592, 376, QStringLiteral("robot")));
}

void frmForma::buildPanels() {
    auto* name = new QLabel(QStringLiteral("Новое поле"), stage_);
    name->setGeometry(4, 72, 88, 16);
    name->setFont(sansFont(11));
    name->hide();  // it names the field being sown; there is none yet
    controls_.lblNameFile = Label(name);
    controls_.picUroven = Surface(picture(stage_, 4, 76, 102, 66, QStringLiteral("uroven")));
    controls_.picKG = Surface(picture(stage_, 106, 76, 146, 66, QStringLiteral("kg")));
    PictureBox* battery = picture(stage_, 252, 76, 144, 63, QStringLiteral("akamulyator"));
    controls_.picAkamulyator = Surface(battery);
    PictureBox* lamp = picture(battery, 40, 24, 40, 20, QStringLiteral("akamulyator2"));
    lamp->hide();
    controls_.picAkamulyator2 = Surface(lamp);
    controls_.picOchki = Surface(picture(stage_, 584, 304, 68, 31, QStringLiteral("ochki")));
    controls_.picKirpich = Surface(picture(stage_, 584, 288, 57, 57, QStringLiteral("kirpich")));
    controls_.picOchki.setVisible(false);
    controls_.picKirpich.setVisible(false);
}

void frmForma::buildPalette() {
    auto* frame = new QWidget(stage_);
    frame->setGeometry(4, 88, 612, 57);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    frame->setPalette(white);
    frame->hide();
    controls_.selZnak = Control(frame);
    PictureBox* strip = picture(frame, 0, 0, kPaletteWidth, kPictureHeight, QStringLiteral("znaki"));
    strip->events.mouseUp = picZnaki_MouseUp;
    controls_.picZnaki = Surface(strip);
    auto* scroll = new QScrollBar(Qt::Horizontal, frame);
    scroll->setGeometry(0, kPictureHeight, kPaletteWindow, 17);
    scroll->setRange(0, kPaletteSteps);
    scroll->setSingleStep(1);
    scroll->setPageStep(5);
    scroll->setFocusPolicy(Qt::NoFocus);
    connect(scroll, &QScrollBar::valueChanged, this, [] { HScroll1_Change(); });
    controls_.HScroll1 = ScrollBar(scroll);
}

void frmForma::buildButtons() {
    using Handler = std::function<void(int, int, int, int)>;
    // A picture button with its tooltip, its press and release handlers, shown or not at start.
    auto button = [this](QRect place, const char* art, const char* tip, Handler down, Handler up, bool shown) {
        PictureBox* box = picture(stage_, place.x(), place.y(), place.width(), place.height(), QString::fromLatin1(art));
        box->setToolTip(QString::fromUtf8(tip));
        box->events.mouseDown = std::move(down);
        box->events.mouseUp = std::move(up);
        box->setVisible(shown);
        return box;
    };
    controls_.picExit = Surface(button({607, 146, 30, 30}, "exit", "Закрыть", picExit_MouseDown, picExit_MouseUp, true));
    PictureBox* menuButton =
        button({591, 186, 41, 89}, "knmenu", "Вызов меню - F10", picKnMenu_MouseDown, picKnMenu_MouseUp, true);
    menuButton->setFocusPolicy(Qt::ClickFocus);
    controls_.picKnMenu = Surface(menuButton);
    controls_.picShowZnak = Surface(picture(stage_, 592, 280, 36, 38, QString()));
    controls_.picShowZnak.setVisible(false);
    controls_.picPeresadka = Surface(button({592, 322, 41, 41}, "peresadka", "Менять саженцы местами наугад.", {},
                                            picPeresadka_MouseUp, false));
    controls_.picOtmenit = Surface(
        button({592, 480, 33, 29}, "otmenit", "Отменить", picOtmenit_MouseDown, picOtmenit_MouseUp, false));
    controls_.picPovtorit = Surface(
        button({592, 512, 33, 29}, "povtorit", "Повторить", picPovtorit_MouseDown, picPovtorit_MouseUp, false));
}

void frmForma::buildMenu() {
    PictureBox* menu = picture(stage_, 160, 160, 318, 327, QString(), kButtonFace);
    menu->setFont(serifFont(21, true));
    menu->setFocusPolicy(Qt::ClickFocus);
    menu->setMouseTracking(true);
    menu->events.mouseMove = picMenu_MouseMove;
    menu->events.mouseUp = picMenu_MouseUp;
    menu->events.keyDown = picMenu_KeyDown;
    menu->events.lostFocus = picMenu_LostFocus;
    menu->raise();
    controls_.picMenu = Surface(menu);
}

void frmForma::buildTimers() {
    controls_.TimerRobot = Timer(new GameTimer(this, 100, TimerDvigenieRobota));
    controls_.tmrTrakrtor = Timer(new GameTimer(this, 50, Traktor));
    controls_.TimerAkamulyator = Timer(new GameTimer(this, kLampTickMs, TimerAkamulyatorLampa));
    controls_.tmrPodskazka = Timer(new GameTimer(this, kHintRingsMs, tmrPodskazka_Timer));
}

void frmForma::buildZoomKeys() {
    auto key = [this](QKeySequence sequence, std::function<void()> action) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, std::move(action));
    };
    for (QKeySequence in : {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                            QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))})
        key(in, [this] { stepZoom(1); });
    for (QKeySequence out : {QKeySequence(Qt::CTRL | Qt::Key_Minus),
                             QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))})
        key(out, [this] { stepZoom(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(100); });
    key(QKeySequence(Qt::Key_F11), [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
}

QSize frmForma::availableArea() const { return screen()->availableGeometry().size(); }

void frmForma::stepZoom(int direction) { setZoom(steppedZoom(layoutScale(stage_) * 100, direction, availableArea())); }

void frmForma::setZoom(int percent) {
    setChosenZoom(percent);
    openAtZoom(percent);
}

void frmForma::openAtStartZoom() { openAtZoom(startZoom(availableArea())); }

void frmForma::openAtZoom(int percent) {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    resize(scaledRect(QRect(QPoint(0, 0), kLogicalWindow), percent / 100.0).size());
}

void frmForma::resizeEvent(QResizeEvent*) {
    // The largest layout that fits, centred on the window's grey.
    const qreal scale = std::max(1.0, std::min(width() / qreal(kLogicalWindow.width()),
                                               height() / qreal(kLogicalWindow.height())));
    const QSize shown = scaledRect(QRect(QPoint(0, 0), kLogicalWindow), scale).size();
    stage_->setGeometry(QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown));
    setWindowZoom(scale);
    if (scale != layoutScale(stage_))
        scaleLayout(stage_, scale);
}
