#pragma once

#include "tests/support/temp_folder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

namespace kalvex::testing {

// What a run of a program left behind.
struct ProgramRun {
    QString out;
    QString err;
    int status = -1; // -1 when the program did not end normally
};

// Runs a program to its end, killing it after a minute.
inline ProgramRun RunProgram(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    return {QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError()),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

// The built program copied into a folder of its own with only the modules named (file names)
// beside it: the program looks for its modules beside itself, so every other one is missing.
class ProgramCopy {
public:
    ProgramCopy(const std::filesystem::path& built, const std::vector<std::string>& modules)
    {
        std::filesystem::create_directories(Folder());
        std::filesystem::copy_file(built, Program());
        for (const std::string& module : modules)
            std::filesystem::copy_file(built.parent_path() / module, Folder() / module);
    }

    std::filesystem::path Folder() const { return m_root.Path() / "bin"; }
    std::filesystem::path Program() const { return Folder() / "kalvex"; }

private:
    TempFolder m_root;
};

} // namespace kalvex::testing
