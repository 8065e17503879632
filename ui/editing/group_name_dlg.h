#pragma once

#include <QDialog>

class QLineEdit;

namespace kalvex {

// Asks for another name for a group whose name is taken. The name field (id 1001) starts with
// the suggested name; OK takes what is typed. Run it through app.services.dialogs->Run(dialog).
class CGroupNameDlg final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNameField = 1001;

    CGroupNameDlg(const QString& takenName, const QString& suggestedName, QWidget* parent = nullptr);
    QString Name() const;

private:
    QLineEdit* m_name = nullptr;
};

} // namespace kalvex
