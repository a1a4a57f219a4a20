#pragma once

#include <QObject>
#include <utility>

namespace lcdcrt {

// Installed on a button: Enter and Return click it while it has the focus, as Space
// does. A Qt push button takes Enter only as a default button, and the window has no
// default (nor cancel) button: Esc clicks nothing. A held key clicks once: the keyboard's
// auto-repeat neither presses the button again nor fires its access key.
class ButtonKeys final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::pair<int, quint64> lastRelease_;  // key and time
};

}  // namespace lcdcrt
