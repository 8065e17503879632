#pragma once

#include <QObject>
#include <vector>

class QLineEdit;

namespace kalvex {

// The result fields of a conversion window are one Tab stop, like the radio group above them:
// Tab reaches the row that last had the focus (the first until then), Up and Down move to the
// row above or below, Home and End to the first and last row. Disabled rows are passed over.
// Each row keeps its own focus, so its text is selected for Copy and its name is spoken.
class CResultRowsFocus final : public QObject {
    Q_OBJECT
public:
    explicit CResultRowsFocus(QObject* parent) : QObject(parent) {}

    void AddRow(QLineEdit& field);
    // Puts the focus where Tab would bring it into the rows.
    void FocusRows() const;
    bool HasFocus() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeTabStop(const QLineEdit& field);
    // The first enabled row after from in the direction of step (1 or -1), or none.
    QLineEdit* EnabledRow(int from, int step) const;
    bool MoveFocus(const QLineEdit& field, int key);

    std::vector<QLineEdit*> m_rows;
};

} // namespace kalvex
