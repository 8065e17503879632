#include "platform/qt/decimal_separator.h"

#include <QLocale>

namespace kalvex {

char UserDecimalSeparator()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

} // namespace kalvex
