#pragma once

#include <QObject>
#include <vector>

class QLineEdit;
class QPushButton;
class QString;

namespace kalvex {

class IClipboard;

// The fields of a conversion window whose text the user selects and copies: the input field and
// the result fields. The field last focused holds the selection, which stays shown while the
// focus is elsewhere and while the window rewrites the fields; Copy takes it, or the whole text
// when nothing is selected. Paste, enabled while the input field holds the selection, puts the
// clipboard's text there.
class CFieldClipboard final : public QObject {
    Q_OBJECT
public:
    CFieldClipboard(QLineEdit& input, QPushButton& pasteButton, IClipboard& clipboard);
    ~CFieldClipboard() override;

    void AddField(QLineEdit& field);
    // The control id of the field holding the selection, 0 for none.
    int SelectedFieldId() const { return m_focusId; }
    void ForgetSelectedField() { m_focusId = 0; }

    // Replaces a field's text with what the window computed; the field holding the selection
    // shows the whole new text selected.
    void Rewrite(QLineEdit& field, const QString& text);
    // Focuses the input field with its whole text selected.
    void SelectInput();

    void Copy();
    void CopyText(const QString& text);
    bool MayPaste() const;
    // Empties the input field and types the first line of the clipboard's text into it.
    void Paste();
    void UpdatePasteButton();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* Field(int id) const;
    void OnFieldFocused(QLineEdit& field);
    void KeepSelectionShown(QLineEdit& field);

    QLineEdit& m_input;
    QPushButton& m_pasteButton;
    IClipboard& m_clipboard;
    std::vector<QLineEdit*> m_fields;
    int m_focusId = 0;
    // The selection the user made in the selected field; a length below 0 stands for the whole text.
    int m_selectionStart = 0;
    int m_selectionLength = -1;
    bool m_writingFields = false;
};

} // namespace kalvex
