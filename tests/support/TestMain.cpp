#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef TARVEX_TEST_WITHOUT_WIDGETS
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

namespace {

// ctest runs every test in a process of its own, many at once: each process gets its own settings
// store and desktop folder, so no test reads what another one is writing, and none touches the
// user's own. Qt reads both locations from the environment once, so this runs before the application
// is built.
void UseOwnUserFolders(const QTemporaryDir& Home)
{
    const QString config = Home.filePath(QStringLiteral("config"));
    const QString desktop = Home.filePath(QStringLiteral("desktop"));
    QDir().mkpath(config);
    QDir().mkpath(desktop);
    QFile userDirs(config + QStringLiteral("/user-dirs.dirs"));
    if (userDirs.open(QIODevice::WriteOnly))
        userDirs.write("XDG_DESKTOP_DIR=\"" + QFile::encodeName(desktop) + "\"\n");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (home.isValid())
        UseOwnUserFolders(home);
    TestApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
