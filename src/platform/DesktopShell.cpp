#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace Tarvex {
namespace {

Q_LOGGING_CATEGORY(shellLog, "tarvex.shell")

QString& DesktopOverride()
{
    static QString folder;
    return folder;
}

OpenFileHandler& Handler()
{
    static OpenFileHandler handler;
    return handler;
}

bool OpenWithDesktop(const QString& Path)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        qCWarning(shellLog).noquote() << "not opened without a screen:" << Path;
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Path));
}

} // namespace

QString DesktopFolder()
{
    const QString folder = DesktopOverride().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                                                       : DesktopOverride();
    return QDir::cleanPath(folder);
}

QString SetDesktopFolder(const QString& Folder)
{
    return std::exchange(DesktopOverride(), Folder);
}

bool OpenWithAssociatedProgram(const QString& Path)
{
    // A copy, so a handler that replaces itself while it runs stays alive until it returns.
    const OpenFileHandler handler = Handler();
    return handler ? handler(Path) : OpenWithDesktop(Path);
}

OpenFileHandler SetOpenFileHandler(OpenFileHandler New_Handler)
{
    return std::exchange(Handler(), std::move(New_Handler));
}

} // namespace Tarvex
