#pragma once

#include <QString>

class QWidget;

namespace kalvex {

class CStrList;

// "DDC-DATA.TMP" in the user's private runtime folder; empty when there is none.
QString TransferFilePath();

// Writes the list to the transfer file (replacing whatever entry had that name, never writing
// through a link) and starts a CDragTracker for source and format. False, with no drag
// started, when the file cannot be written.
bool BeginTransfer(QWidget& source, unsigned format, const CStrList& list);

// Appends the strings of the transfer file to list. False, with the list unchanged, when the
// file is missing, a link, unreadable or damaged: the drop is then abandoned.
bool ReadTransfer(CStrList& list);

} // namespace kalvex
