#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class PictureBox;

// The honour board: five places, each with the photo, the name and the harvest. Built from
// Leaders every time it opens.
class frmDoska : public QDialog {
    Q_OBJECT
public:
    explicit frmDoska(QWidget* parent);
    void Form_Load();
    void kClose_Click();
    void kIgroki_Click();

    PictureBox* board;  // the window's own drawing surface, under every control
    QLabel* Label1;
    PictureBox* picKnopka;
    PictureBox* picPhoto[5];
    QLabel* lblName[5];
    QLabel* lblKG[5];
    QPushButton* kClose;
    QPushButton* kIgroki;
};
