#pragma once
#include <QDialog>

class QTextBrowser;

// The help window: the page "Help.htm" of the program folder in a browser that fills the window.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent);
    void Form_Load();
    void Form_Resize();

    QTextBrowser* WebBrowser1;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
