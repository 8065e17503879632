#include "platform/qt/help_window_accessible.h"

#include "platform/qt/help_window.h"
#include "platform/qt/window_accessible.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <algorithm>

namespace kalvex {
namespace {

// The help page, read only, with the text QTextDocument::toPlainText() gives: one character for
// each position of the document, so offsets are the document's cursor positions.
class HelpPageAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpPageAccessible(QTextBrowser* page) : QAccessibleWidget(page, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? PlainText() : QAccessibleWidget::text(type);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        const QTextCursor cursor = Page()->textCursor();
        const bool selected = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = selected ? cursor.selectionStart() : 0;
        *endOffset = selected ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return Page()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = Page()->textCursor();
        cursor.clearSelection();
        Page()->setTextCursor(cursor);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = CursorAt(startOffset);
        cursor.setPosition(Clamped(endOffset), QTextCursor::KeepAnchor);
        Page()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Page()->textCursor().position(); }
    void setCursorPosition(int position) override { Page()->setTextCursor(CursorAt(position)); }
    QString text(int startOffset, int endOffset) const override
    {
        return PlainText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(PlainText().size()); }
    QRect characterRect(int offset) const override
    {
        const QTextCursor cursor = CursorAt(offset);
        QRect rect = Page()->cursorRect(cursor);
        const QString character = PlainText().mid(offset, 1);
        rect.setWidth(QFontMetrics(cursor.charFormat().font()).horizontalAdvance(character));
        return QRect(Page()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint inViewport = Page()->viewport()->mapFromGlobal(point);
        const QPoint scrolled(Page()->horizontalScrollBar()->value(), Page()->verticalScrollBar()->value());
        return Page()->document()->documentLayout()->hitTest(inViewport + scrolled, Qt::ExactHit);
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        // Only the view moves: the reader's caret stays where it was.
        const QRect first = Page()->cursorRect(CursorAt(startIndex));
        const QRect last = Page()->cursorRect(CursorAt(endIndex));
        const QRect wanted = first.united(last);
        QScrollBar* bar = Page()->verticalScrollBar();
        if (!Page()->viewport()->rect().contains(wanted))
            bar->setValue(bar->value() + wanted.top());
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        // No text attributes are told: the whole text is one run without any.
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QTextBrowser* Page() const { return static_cast<QTextBrowser*>(widget()); }
    QString PlainText() const { return Page()->document()->toPlainText(); }
    int Clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QTextCursor CursorAt(int offset) const
    {
        QTextCursor cursor(Page()->document());
        cursor.setPosition(Clamped(offset));
        return cursor;
    }
};

QAccessibleInterface* HelpPageAccessibleFactory(const QString& className, QObject* object)
{
    auto* page = qobject_cast<QTextBrowser*>(object);
    if (className == QLatin1String("QTextBrowser") && page && qobject_cast<HelpWindow*>(page->window()))
        return new HelpPageAccessible(page);
    return nullptr;
}

} // namespace

void InstallHelpWindowAccessibility()
{
    // Installing again is harmless: Qt keeps one entry for each factory.
    QAccessible::installFactory(HelpPageAccessibleFactory);
    ReadAsWindow(HelpWindow::staticMetaObject);
}

} // namespace kalvex
