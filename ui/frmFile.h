#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The field dialog: names a field file of "Pole" to save the sown field to, or to open for sowing.
class frmFile : public QDialog {
    Q_OBJECT
public:
    explicit frmFile(QWidget* parent);
    bool Form_Load();  // false when the folder "Pole" is missing (reported); the dialog is not shown
    void kSave_Click();

    QLabel* folderLabel;
    QListWidget* File1;
    QLabel* nameLabel;
    QLineEdit* txtNameFile;
    QPushButton* kSave;
    QPushButton* kNO;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool nameBoxKey(QKeyEvent* key);
};
