#include "platform/buttons.h"

#include <QEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace vennor::buttons {
namespace {

class ShowWatcher : public QObject
{
public:
    ShowWatcher(QWidget* window, std::function<void()> action)
        : QObject(window), action_(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && action_) {
            QTimer::singleShot(1, parent(), std::exchange(action_, {}));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

void makeDefault(QPushButton* button)
{
    button->setAutoDefault(true);
    button->setDefault(true);
}

void makeCancel(QPushButton* button)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}

void afterShown(QWidget* window, std::function<void()> action)
{
    new ShowWatcher(window, std::move(action)); // owned by window
}

} // namespace vennor::buttons
