#include "window/EnterClicksButton.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace lcdcrt {

bool EnterClicksButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lcdcrt
