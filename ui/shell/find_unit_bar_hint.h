#pragma once

#include <QLabel>
#include <QStringList>

namespace kalvex {

// The find field's hint. It never asks for more width than the window gives it, so a long unit
// name cannot widen the window: the text wraps, a word longer than a line is broken, and a hint
// longer than a few lines has its last line cut in the middle with an ellipsis (the units it
// names are rows of the list below).
// text(), and what a screen reader reads, stay the whole hint.
class CFindUnitHint final : public QLabel {
    Q_OBJECT
public:
    explicit CFindUnitHint(QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The lines drawn in a text area of this width.
    QStringList ShownLines(int textWidth) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kalvex
