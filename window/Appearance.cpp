#include "window/Appearance.h"

#include <QPixmap>
#include <QString>

// The drawing stays reviewable as text in the repository and is compiled in as it is.
#include "resources/lcdcrt.xpm"

namespace lcdcrt {

QFont buttonFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QIcon programIcon() {
    return QIcon(QPixmap(lcdcrt_xpm));
}

}  // namespace lcdcrt
