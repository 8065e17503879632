#include "platform/qt/visible_text.h"

#include <QLineEdit>
#include <algorithm>
#include <array>

namespace kalvex {
namespace {

constexpr std::array<char16_t, 12> kBidiControls = {u'\u061C', u'\u200E', u'\u200F', u'\u202A',
                                                    u'\u202B', u'\u202C', u'\u202D', u'\u202E',
                                                    u'\u2066', u'\u2067', u'\u2068', u'\u2069'};
// "<U+" and ">" around four hex digits.
constexpr qsizetype kWrittenLength = 8;

bool IsBidiControl(char16_t c)
{
    return std::ranges::find(kBidiControls, c) != kBidiControls.end();
}

QString Written(char16_t c)
{
    return QStringLiteral("<U+%1>").arg(unsigned(c), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString WithVisibleBidiControls(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (IsBidiControl(c.unicode()))
            shown += Written(c.unicode());
        else
            shown += c;
    }
    return shown;
}

std::string WithBidiControlsFromVisible(const QString& shown)
{
    QString text;
    text.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size();) {
        const auto control =
            shown[i] != u'<' ? kBidiControls.end() : std::ranges::find_if(kBidiControls, [&](char16_t c) {
                return QStringView(shown).sliced(i).startsWith(Written(c), Qt::CaseInsensitive);
            });
        if (control != kBidiControls.end()) {
            text += QChar(*control);
            i += kWrittenLength;
        } else {
            text += shown[i++];
        }
    }
    return text.toStdString();
}

void KeepBidiControlsVisible(QLineEdit& field)
{
    QObject::connect(&field, &QLineEdit::textEdited, &field, [&field](const QString& typed) {
        const QString shown = WithVisibleBidiControls(typed);
        if (shown == typed)
            return;
        const int cursor = field.cursorPosition() + int(shown.size() - typed.size());
        field.setText(shown);
        field.setCursorPosition(cursor);
        field.setModified(true);
    });
}

} // namespace kalvex
