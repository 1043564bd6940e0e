#pragma once
#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;
class PictureBox;

// The about window: version, dates, a link to the help page, the authors and the licences.
class frmOprog : public QDialog {
    Q_OBJECT
public:
    explicit frmOprog(QWidget* parent);
    void Form_Load();
    void Label1_Click();
    void OK_Click();

    QLabel* Image1;
    QLabel* lblNazvanie;
    PictureBox* Picture1;  // the white-blue-red band
    QFrame* Line1;
    QFrame* Line2;
    QLabel* lblVersiya;
    QLabel* lblData;
    QLabel* lblData2;
    QLabel* lblSait;
    QLabel* Label1;  // a link to the help page
    QLabel* lblAvtor;
    QLabel* lblLicenziya;
    QLabel* lblKartinki;  // the artwork's credit
    QPushButton* OK;
};

