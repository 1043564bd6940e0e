#include "ui/frmDoska.h"

#include <QLabel>
#include <QPushButton>

#include "players/PlayersState.h"
#include "ui/Controls.h"
#include "ui/DialogButton.h"
#include "ui/Fonts.h"
#include "ui/PhotoBox.h"
#include "ui/PictureBox.h"
#include "ui/Windows.h"

namespace {
constexpr int kPlacePitch = 120;
constexpr Rgb kNameColour = 0x0000C0;
constexpr Rgb kScoreColour = 0xFF0000;

QLabel* placeLabel(QWidget* parent, const QRect& place, Rgb colour) {
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    label->setFont(sansFont(13, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #%1; background: #%2;")
                             .arg(colour, 6, 16, QLatin1Char('0'))
                             .arg(kHighlightText, 6, 16, QLatin1Char('0')));
    return label;
}

}  // namespace

frmDoska::frmDoska(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Доска почёта"));
    setFixedSize(622, 347);
    board = new PictureBox(this, 622, 347, kButtonFace);
    Label1 = new QLabel(QStringLiteral("Доска почёта"), this);
    Label1->setGeometry(240, 16, 168, 29);
    QFont title = sansFont(24, true);
    title.setUnderline(true);
    Label1->setFont(title);
    Label1->setStyleSheet(QStringLiteral("background: #%1;").arg(k3DHighlight, 6, 16, QLatin1Char('0')));
    picKnopka = new PictureBox(this, 20, 20, kWhite, QStringLiteral("knopka"));
    picKnopka->move(16, 16);
    for (int i = 0; i < 5; ++i) {
        const int left = 16 + kPlacePitch * i;
        picPhoto[i] = new PictureBox(this, 110, 140, kWindow);
        picPhoto[i]->move(left, 56);
        picPhoto[i]->setFont(sansFont(13, true));
        lblName[i] = placeLabel(this, {left, 200, 110, 32}, kNameColour);
        lblKG[i] = placeLabel(this, {left, 236, 110, 16}, kScoreColour);
    }
    kClose = dialogButton(this, QStringLiteral("Закрыть"), {384, 308, 89, 33});
    kClose->setDefault(true);
    kIgroki = dialogButton(this, QStringLiteral("Список игроков"), {480, 308, 137, 33});
    connect(kClose, &QPushButton::clicked, this, &frmDoska::kClose_Click);
    connect(kIgroki, &QPushButton::clicked, this, &frmDoska::kIgroki_Click);
    Form_Load();
}

void frmDoska::Form_Load() {
    Surface surface(board);
    surface.fillBox(8, 8, 613, 298, kWhite);
    surface.outlineBox(8, 8, 613, 298, kBlack);
    // With the pin box in the top-left corner, a pin in each of the other three.
    const Surface pin(picKnopka);
    for (const QPoint at : {QPoint(585, 16), QPoint(16, 270), QPoint(585, 270)})
        surface.paintPicture(pin, at.x(), at.y(), 0, 0, 20, 20);
    for (int i = 0; i < 5 && P.Leaders[i].Score != 0; ++i) {
        const Leader& leader = P.Leaders[i];
        ShowPhoto(*picPhoto[i], leader.Photo);
        lblName[i]->setText(leader.Name);
        lblKG[i]->setText(QString::number(leader.Score) + QStringLiteral("Кг"));
    }
    kClose->setFocus();
}

void frmDoska::kClose_Click() { reject(); }

void frmDoska::kIgroki_Click() {
    P.CurrentPlayer = 0;
    openFrmIgroki();
}
