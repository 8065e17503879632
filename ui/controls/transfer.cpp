#include "ui/controls/transfer.h"

#include "platform/regular_file.h"
#include "ui/controls/drag_tracker.h"
#include "ui/controls/str_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kalvex {
namespace {

// A transfer file is a few bytes per group name; anything larger is not ours.
constexpr std::uintmax_t kMaxTransferSize = 1 << 20;

bool IsLink(const QString& path)
{
    return QFileInfo(path).isSymLink();
}

bool WriteTransferFile(const QString& path, const QByteArray& bytes)
{
    // Remove whatever entry holds the name (a link included) and create the file afresh and
    // exclusively, so a link planted under that name can never redirect the write.
    if (QFileInfo::exists(path) || IsLink(path)) {
        if (!QFile::remove(path))
            return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written)
        QFile::remove(path);
    return written;
}

} // namespace

QString TransferFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QStringLiteral("DDC-DATA.TMP"));
}

bool BeginTransfer(QWidget& source, unsigned format, const CStrList& list)
{
    const QString path = TransferFilePath();
    if (path.isEmpty() || !WriteTransferFile(path, list.Store()))
        return false;
    new CDragTracker(source, format);
    return true;
}

bool ReadTransfer(CStrList& list)
{
    const QString path = TransferFilePath();
    if (path.isEmpty() || IsLink(path))
        return false;
    // A FIFO swapped in under the name is refused, never waited on.
    const FileBytes read = ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxTransferSize);
    if (read.status != ReadStatus::Read)
        return false;
    return list.Load(QByteArrayView(read.bytes.data(), qsizetype(read.bytes.size())));
}

} // namespace kalvex
