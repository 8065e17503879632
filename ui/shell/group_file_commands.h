#pragma once

#include <functional>
#include <string>

class QWidget;

namespace kalvex {

struct AppState;

// The commands that move whole groups: Import Group, Export Group and Delete of a custom group.
// Each reports what went wrong in a message; when groups changed, groupsChanged runs the
// inventory check and has the launcher rebuilt.
class GroupFileCommands {
public:
    GroupFileCommands(AppState& app, QWidget& owner, std::function<void()> groupsChanged);

    void ImportGroup();
    // Asks whether to add the library group `name` from `file` as a custom group, and adds it: the
    // new group's id, or 0 when the user said no or it was not added (the user was told why).
    int AddLibraryGroup(const std::string& file, const std::string& name);
    void ExportGroup(int groupId);
    void DeleteCustom(int groupId);

    // Where Import Group starts: the library of extra groups installed with the program.
    std::string LibraryFolder() const;

private:
    // Adds the group in `file` as the next custom group; its id, or 0 after telling the user why not.
    int ImportFile(const std::string& file);
    // The name the user gives when the group's own name is taken; false when the user cancels.
    bool AskForFreeName(std::string& name);
    // True when the file does not exist yet or the user agrees to replace it.
    bool MayReplace(const std::string& file);
    void Warn(const std::string& text);

    AppState& m_app;
    QWidget& m_owner;
    std::function<void()> m_groupsChanged;
};

} // namespace kalvex
