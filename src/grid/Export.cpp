#include "grid/RuzuZiri.h"

#include "grid/model/Export.h"
#include "platform/DesktopShell.h"
#include "platform/MsgBox.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Tarvex {

namespace {

// The file is written beside its place and moved there only when complete, so a failed export
// leaves the previous file as it was.
std::optional<ExportError> WriteFile(const QString& Path, const GridModel& Model, const ExportOptions& Options)
{
    QSaveFile file(Path);
    // Unbuffered: the writer hands over large blocks itself, and a block the disk refuses must fail
    // the write that carries it rather than a late flush that the commit would not notice.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const bool folderThere = QFileInfo(QFileInfo(Path).absolutePath()).isDir();
        return ExportError { folderThere ? PathFileAccessError : PathNotFound, file.errorString() };
    }
    if (auto error = WriteExport(Model, Options, file))
        return error;
    if (!file.commit()) {
        const bool written = file.error() != QFileDevice::WriteError && file.error() != QFileDevice::ResourceError;
        return ExportError { written ? PathFileAccessError : DeviceIOError, file.errorString() };
    }
    return std::nullopt;
}

} // namespace

void RuzuZiri::ExportGrid(const QString& strGridName, bool vbVisibleColsOnly, bool vbVisibleRowsOnly, bool vbBooleanAsText)
{
    if (m_Model.ItemCount() == 0) {
        MsgBox(QStringLiteral("No grid rows to export."), MsgBoxStyle::Information);
        return;
    }
    const QString name = strGridName + QStringLiteral(".csv");
    const QString path = DesktopFolder() + QLatin1Char('/') + name;
    const ExportOptions options { Caption(), TotalsLineShow(), vbVisibleColsOnly, vbVisibleRowsOnly,
                                  vbBooleanAsText };
    if (const auto error = WriteFile(path, m_Model, options)) {
        MsgBox(QStringLiteral("Error# %1\n%2").arg(error->Number).arg(error->Description), MsgBoxStyle::Critical,
               QStringLiteral("RuzuZiri.Export"));
        return;
    }
    const int answer = MsgBox(QStringLiteral("File ") + name + QStringLiteral(" was saved to your desktop.\nDo you want to open it?"),
                              MsgBoxStyle::YesNo | MsgBoxStyle::Question);
    if (answer == MsgBoxResult::Yes)
        OpenExportedFile(path);
}

void RuzuZiri::OpenExportedFile(const QString& Path)
{
    if (!OpenWithAssociatedProgram(Path))
        MsgBox(QStringLiteral("Unable to open target file."), MsgBoxStyle::Information);
}

} // namespace Tarvex
