#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class PictureBox;
class frmIgroki;

enum class NameMode { Add, Edit };

// The name and photo of one player, added to the players list or changed in it.
class frmNameIgrokov : public QDialog {
    Q_OBJECT
public:
    frmNameIgrokov(frmIgroki& owner, NameMode mode, const QString& caption);
    bool Form_Load();  // false when the photo folder is missing (reported): the dialog must not open
    void File1_Click();
    void txtName_Change();
    void kSave_Click();
    void kCancel_Click();

    QLabel* Label1;
    QListWidget* File1;
    QLabel* Label2;
    PictureBox* picPhoto;
    QLabel* Label3;
    QLineEdit* txtName;
    QPushButton* kSave;
    QPushButton* kCancel;
    QString PhotoFile;

private:
    void enableSave();

    frmIgroki& owner_;
    NameMode mode_;
};

// Opens the dialog modally over the players list, unless the photo folder is missing.
void openFrmNameIgrokov(frmIgroki& owner, NameMode mode, const QString& caption);
