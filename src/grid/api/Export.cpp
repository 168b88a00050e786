#include "grid/RuzuZiriPrivate.h"

#include "grid/model/Export.h"

#include <tarvex/platform/DesktopShell.h>
#include <tarvex/platform/MsgBox.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

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

// The name stands for one file in the desktop folder: a name that would reach into another folder,
// or that the file system would cut short (a NUL ends a path), is refused rather than written
// somewhere else than the message says.
bool IsOneFileName(const QString& Name)
{
    if (Name == QLatin1String(".") || Name == QLatin1String(".."))
        return false;
    return std::none_of(Name.cbegin(), Name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

void ShowError(const ExportError& Error)
{
    MsgBox(QStringLiteral("Error# %1\n%2").arg(Error.Number).arg(Error.Description), MsgBoxStyle::Critical,
           QStringLiteral("RuzuZiri.Export"));
}

// Where the home folder stands in for a missing desktop, the message says where the file went.
QString SavedPrompt(const QString& Name, const QString& Folder)
{
    const QString where = Folder == QDir::cleanPath(QDir::homePath()) ? QDir::toNativeSeparators(Folder)
                                                                      : QStringLiteral("your desktop");
    return QStringLiteral("File ") + Name + QStringLiteral(" was saved to ") + where
        + QStringLiteral(".\nDo you want to open it?");
}

} // namespace

void RuzuZiri::ExportGrid(const QString& strGridName, bool vbVisibleColsOnly, bool vbVisibleRowsOnly, bool vbBooleanAsText)
{
    if (d->m_Model.ItemCount() == 0) {
        MsgBox(QStringLiteral("No grid rows to export."), MsgBoxStyle::Information);
        return;
    }
    if (!IsOneFileName(strGridName)) {
        ShowError({ BadFileName, QStringLiteral("Bad file name: the name of an export file cannot hold \"/\", \"\\\" "
                                                "or control characters, nor be \".\" or \"..\".") });
        return;
    }
    const QString name = strGridName + QStringLiteral(".csv");
    const QString folder = DesktopFolder();
    const QString path = folder + QLatin1Char('/') + name;
    const ExportOptions options { Caption(), TotalsLineShow(), vbVisibleColsOnly, vbVisibleRowsOnly,
                                  vbBooleanAsText };
    if (const auto error = WriteFile(path, d->m_Model, options)) {
        ShowError(*error);
        return;
    }
    const int answer = MsgBox(SavedPrompt(name, folder), MsgBoxStyle::YesNo | MsgBoxStyle::Question);
    if (answer == MsgBoxResult::Yes)
        d->OpenExportedFile(path);
}

void RuzuZiriPrivate::OpenExportedFile(const QString& Path)
{
    if (!OpenWithAssociatedProgram(Path))
        MsgBox(QStringLiteral("Unable to open target file."), MsgBoxStyle::Information);
}

} // namespace Tarvex
