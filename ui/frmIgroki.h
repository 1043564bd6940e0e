#pragma once
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class PictureBox;

// The players list: names, the photo of the one selected, adding, editing and deleting players.
// Opened with CurrentPlayer -1 it asks for a choice and shows OK, with the last chosen player or
// else the first one selected.
class frmIgroki : public QDialog {
    Q_OBJECT
public:
    explicit frmIgroki(QWidget* parent);
    void Form_Load();
    void List1_Click();
    void List1_DblClick();
    void kOK_Click();
    void kClose_Click();
    void kName_Click(int index);  // 0 adds a player, 1 edits the selected one
    void kDelName_Click();
    // Shows a stored player as the selected line, with its photo.
    void showStoredPlayer(int index, bool replacesLine);
    int selectedIndex() const;  // -1 when no name is selected
    QString selectedName() const;

    QLabel* Label1;
    QListWidget* List1;
    QLabel* Label2;
    PictureBox* picPhoto;
    QPushButton* kOK;
    QPushButton* kClose;
    QPushButton* kName[2];
    QPushButton* kDelName;

    // Every way of closing saves a changed list; leaving the choice unmade asks first.
    void done(int result) override;

private:
    bool choosing_ = false;
};
