#include "ui/ListKeys.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {
class FirstArrowSelectsFirst : public QObject {
public:
    explicit FirstArrowSelectsFirst(QListWidget* list) : QObject(list), list_(list) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || list_->count() == 0 || !list_->selectedItems().isEmpty())
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Down && key != Qt::Key_Up)
            return false;
        list_->setCurrentRow(0);
        return true;
    }

private:
    QListWidget* list_;
};
}  // namespace

void selectFirstOnFirstArrow(QListWidget* list) { list->installEventFilter(new FirstArrowSelectsFirst(list)); }
