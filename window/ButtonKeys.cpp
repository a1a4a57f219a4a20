#include "window/ButtonKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace lcdcrt {

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const QEvent::Type type = event->type();
    if (button == nullptr || (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
                              type != QEvent::ShortcutOverride)) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::pair pressOrRelease{key->key(), key->timestamp()};
    if (type == QEvent::KeyRelease) {
        lastRelease_ = pressOrRelease;
        return false;
    }
    // X repeats a held key as a release and a press at the same instant, which Qt does
    // not always mark as a repeat. An accepted override keeps the access keys from
    // firing; the repeated press that follows then ends here.
    if (key->isAutoRepeat() || pressOrRelease == lastRelease_) {
        event->accept();
        return true;
    }
    if (type == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        button->click();
        return true;
    }
    return false;
}

}  // namespace lcdcrt
