#include "platform/qt/qt_file_chooser.h"

#include <QApplication>
#include <QFileDialog>

namespace kalvex {
namespace {

const char* const kFilter = "Factor files (*.fsf);;All files (*)";

std::optional<std::string> Chosen(const QString& file)
{
    if (file.isEmpty())
        return std::nullopt;
    return file.toStdString();
}

} // namespace

std::optional<std::string> QtFileChooser::ChooseToOpen(const std::string& startFolder)
{
    return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Import Group"),
                                               QString::fromStdString(startFolder),
                                               QString::fromLatin1(kFilter)));
}

std::optional<std::string> QtFileChooser::ChooseToSave(const std::string& suggestedFile)
{
    return Chosen(QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QStringLiteral("Export Group"), QString::fromStdString(suggestedFile),
        QString::fromLatin1(kFilter), nullptr, QFileDialog::DontConfirmOverwrite));
}

} // namespace kalvex
