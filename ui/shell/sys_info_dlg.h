#pragma once

#include <QDialog>

namespace kalvex {

struct SystemFacts;

// Facts about the operating system, processor, memory, computer and user, each beside its label.
class CSysInfoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 166;

    explicit CSysInfoDlg(const SystemFacts& facts, QWidget* parent = nullptr);
};

} // namespace kalvex
