#pragma once

#include "core/conversion.h"
#include "platform/regular_file.h"

namespace kalvex {

struct AppState;

// The one group record the program works on: the conversion windows, the unit order, the
// group editor and the rates update read and change it, and it goes to its factor file through
// Commit. Whatever only lists, finds or counts groups reads them into a record of its own, so
// this one never changes under an open window.
class CurrentGroup {
public:
    explicit CurrentGroup(const AppState& app) : m_app(app) {}
    CurrentGroup(const CurrentGroup&) = delete;
    CurrentGroup& operator=(const CurrentGroup&) = delete;

    CConversion& Record() { return m_record; }
    const CConversion& Record() const { return m_record; }

    // Reads group groupId's factor file from the factor path. A missing or damaged file leaves
    // the record without units.
    bool Load(int groupId);
    // Stamps the date (when unitCount > 0), caps the shown count, saves the group's factor file
    // in the factor path and marks the group present in the settings. The caller tells the user
    // when the save failed.
    SaveStatus Commit(int groupId, int unitCount);

private:
    const AppState& m_app;
    CConversion m_record;
};

} // namespace kalvex
