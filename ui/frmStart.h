#pragma once
#include <QDialog>

class QListWidget;
class QCheckBox;
class QPushButton;
class QLabel;

// The new-game dialog: where to begin, and whether the tractor sows the fields.
class frmStart : public QDialog {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent);
    void Form_Load();
    void chNoTraktor_Click();
    void kStart_Click();
    void kCancel_Click();

    QLabel* Label1;
    QListWidget* List1;
    QCheckBox* chNoTraktor;
    QPushButton* kStart;
    QPushButton* kCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
