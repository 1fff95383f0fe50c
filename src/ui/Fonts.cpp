#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// Points at the 96 DPI the layout was drawn for, as pixels.
int designPixels(double points)
{
    return qRound(points * 96.0 / 72.0);
}

QFont face(const QString &family, double points, bool bold, qreal scale)
{
    QFont font(family);
    font.setPixelSize(qRound(designPixels(points) * scale));
    font.setBold(bold);
    return font;
}

} // namespace

void Fonts::installSubstitutions()
{
    const QString sans = QStringLiteral("Noto Sans CJK SC");
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"),
                               QStringList{QStringLiteral("AR PL UKai CN"), sans});
    QFont::insertSubstitutions(QStringLiteral("幼圆"), QStringList{sans});
    QFont::insertSubstitutions(
        QStringLiteral("宋体"),
        QStringList{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"), sans});
}

QString Fonts::missingFontsWarning()
{
    if (!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        return {};
    return QStringLiteral("No font for Chinese characters is installed, so the words show as "
                          "empty boxes. Install the Debian packages fonts-noto-cjk, "
                          "fonts-arphic-ukai and fonts-arphic-uming.");
}

QFont Fonts::caption(qreal scale)
{
    return face(QStringLiteral("楷体_GB2312"), 26.25, true, scale);
}

QFont Fonts::poemText(qreal scale)
{
    return face(QStringLiteral("幼圆"), 15, true, scale);
}

QFont Fonts::poemAuthor(qreal scale)
{
    return face(QStringLiteral("宋体"), 12, false, scale);
}
