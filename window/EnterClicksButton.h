#pragma once

#include <QObject>

namespace lcdcrt {

// Installed on a button: Enter and Return click it while it has the focus, as Space
// does. A Qt push button takes Enter only as a default button, and the window has no
// default (nor cancel) button: Esc clicks nothing.
class EnterClicksButton final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lcdcrt
