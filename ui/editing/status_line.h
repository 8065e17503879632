#pragma once

#include <QLabel>

namespace kalvex {

// A one-line status text that never widens its window: a text longer than the label is cut
// with "…" at the label's width, and again whenever that width changes; the tooltip and the
// accessible name hold it whole.
class CStatusLine final : public QLabel {
    Q_OBJECT
public:
    explicit CStatusLine(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    QString FullText() const { return m_fullText; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();

    QString m_fullText;
};

} // namespace kalvex
