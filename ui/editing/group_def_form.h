#pragma once

class QDialog;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace kalvex {

class CImageButton;
class CStatusLine;
class CUnitComboBox;
class CUnitEdit;

// A group name is typed in at most this many characters; a longer one from a file is kept whole.
inline constexpr int kTypedGroupNameLength = 20;

// The group editor's controls: the group's name and description, a unit with its factor against
// the base unit and its symbol, the unit buttons, the unit count and status, the hint and the
// dialog's own buttons. Each carries its control id.
struct GroupDefForm {
    QLineEdit* nameEdit = nullptr;
    QLineEdit* descriptionEdit = nullptr;
    CUnitComboBox* baseList = nullptr;
    CUnitEdit* factorEdit = nullptr;
    CUnitComboBox* unitList = nullptr;
    CUnitEdit* symbolEdit = nullptr;
    CImageButton* addButton = nullptr;
    CImageButton* changeButton = nullptr;
    CImageButton* deleteButton = nullptr;
    CImageButton* calcButton = nullptr;
    CImageButton* okButton = nullptr;
    CImageButton* cancelButton = nullptr;
    CImageButton* helpButton = nullptr;
    QLabel* baseLabel = nullptr;
    QLabel* factorLabel = nullptr;
    QLabel* countLabel = nullptr;
    CStatusLine* statusLabel = nullptr;
    QLabel* hintLabel = nullptr;

    // A unit is an entry of both lists.
    void AppendUnit(const QString& name) const;
    void RenameUnit(int unit, const QString& name) const;
    // The unit of this name in any case, or -1.
    int FindUnit(const QString& name) const;
    // The base unit and the factor, with their labels: off while the group has no unit.
    void EnableFactorControls(bool enabled) const;
};

// Creates the controls in the dialog and lays them out; connecting them is the dialog's work.
GroupDefForm BuildGroupDefForm(QDialog& dialog);

// Puts the focus on a field with its text selected, so that typing replaces it.
void FocusField(QWidget& field);

} // namespace kalvex
