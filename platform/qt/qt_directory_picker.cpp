#include "platform/qt/qt_directory_picker.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace kalvex {

std::string WithTrailingSeparator(const QString& folder)
{
    QString path = QDir::fromNativeSeparators(folder);
    if (!path.endsWith(u'/'))
        path += u'/';
    return path.toStdString();
}

std::optional<std::string> QtDirectoryPicker::Pick(const std::string& startFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), QStringLiteral("Choose the factor file directory"),
        QString::fromStdString(startFolder), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return WithTrailingSeparator(chosen);
}

} // namespace kalvex
