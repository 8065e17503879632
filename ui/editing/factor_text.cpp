#include "ui/editing/factor_text.h"

#include "core/number_text.h"

#include <QRegularExpression>
#include <cmath>

namespace kalvex {

std::optional<double> ReadFactorText(const QString& text)
{
    // A whole number, a fraction, or a whole number, one blank and a fraction; the value is the
    // entry parser's, so the editor and the conversion windows agree on every number.
    static const QString decimal = QStringLiteral(R"((?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)");
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?%1(?:/%1| %1/%1)?\s*$)").arg(decimal));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const double value = ParseEntry(text.toStdString());
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace kalvex
