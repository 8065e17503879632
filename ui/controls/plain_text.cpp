#include "ui/controls/plain_text.h"

namespace kalvex {

QString LiteralAmpersands(const QString& text)
{
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

QString PlainToolTip(const QString& text)
{
    // Tooltips guess whether their text is markup; escaped text inside a tag is always shown
    // literally.
    return text.isEmpty() ? QString() : QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped());
}

} // namespace kalvex
