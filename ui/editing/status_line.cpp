#include "ui/editing/status_line.h"

#include <QFontMetrics>

namespace kalvex {

CStatusLine::CStatusLine(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText); // names come from files and the user: never markup
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void CStatusLine::SetFullText(const QString& text)
{
    m_fullText = text;
    setToolTip(text);
    setAccessibleName(text);
    Elide();
}

void CStatusLine::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Elide();
}

void CStatusLine::Elide()
{
    setText(fontMetrics().elidedText(m_fullText, Qt::ElideRight, contentsRect().width()));
}

} // namespace kalvex
