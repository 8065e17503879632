#pragma once

#include "ui/shell/command_target.h"

#include <QString>

namespace kalvex {

// The program's single document: it holds no data, only the title the frame shows after the
// application title.
class CKalvexDoc final : public ICommandTarget {
public:
    // A new document is titled with the edition and version.
    void OnNewDocument() { m_title = QStringLiteral("Vela v3.52"); }
    const QString& Title() const { return m_title; }

    // Nothing is loaded into or saved from the document, so it handles no command.
    bool OnCommand(int) override { return false; }
    std::optional<bool> CommandState(int) const override { return std::nullopt; }

private:
    QString m_title;
};

} // namespace kalvex
