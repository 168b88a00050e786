#include <tarvex/platform/DesktopShell.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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
    if (!DesktopOverride().isEmpty())
        return QDir::cleanPath(DesktopOverride());
    // A new account, a server or a minimal desktop may have no desktop folder; the desktop's own
    // rule is that the home folder stands in for it then.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QDir::cleanPath(QFileInfo(desktop).isDir() ? desktop : QDir::homePath());
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
