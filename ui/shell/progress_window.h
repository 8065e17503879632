#pragma once

#include "platform/progress_sink.h"

#include <QWidget>

class QLabel;

namespace kalvex {

// Shown while start-up brings older settings up to date; its one text line (control 125) names
// the group whose factor file is being created.
class CProgressWindow : public QWidget, public IProgressSink {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 140;
    static constexpr int kProgressTextId = 125;

    explicit CProgressWindow(QWidget* parent = nullptr);

    // Shows the window without taking the focus and paints it at once: the work that follows
    // does not return to the event loop.
    void ShowAndPaint();
    void Report(const std::string& text) override;
    QString ProgressText() const;

private:
    QLabel* m_progressText = nullptr;
};

} // namespace kalvex
