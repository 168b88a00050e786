#include "DemoProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStyleHints>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace Tarvex::EndToEnd {

namespace {

// Generous for a sanitizer build on a two-core machine; a healthy demo answers in a fraction of them.
constexpr int StartLimit = 60000;  // until the window is on the screen
constexpr int AnswerLimit = 20000; // for one answer of the control channel, or one xdotool run
constexpr int ChangeLimit = 10000; // for the state or the screen to follow an input
constexpr int PollInterval = 20;

QString StateText(const QJsonObject& State)
{
    return QString::fromUtf8(QJsonDocument(State).toJson(QJsonDocument::Compact));
}

// The desktop is named in the user's folder list, which is where the demo's export looks for it.
QProcessEnvironment OwnUserFolders(const QString& Home)
{
    const QString config = Home + QStringLiteral("/config");
    const QString desktop = Home + QStringLiteral("/desktop");
    const QString runtime = Home + QStringLiteral("/runtime");
    for (const QString& folder : { config, desktop, runtime })
        QDir().mkpath(folder);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile userDirs(config + QStringLiteral("/user-dirs.dirs"));
    if (userDirs.open(QIODevice::WriteOnly))
        userDirs.write("XDG_DESKTOP_DIR=\"" + QFile::encodeName(desktop) + "\"\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), Home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

// Takes a value again and again until it is the wanted one, for as long as a change may take to show.
template <typename Take, typename Wanted, typename Failure>
auto Poll(const Take& TakeValue, const Wanted& IsWanted, const Failure& Describe)
{
    const QDeadlineTimer deadline(ChangeLimit);
    for (;;) {
        const auto value = TakeValue();
        if (IsWanted(value))
            return value;
        if (deadline.hasExpired())
            throw HarnessError(Describe(value).toStdString());
        QThread::msleep(PollInterval);
    }
}

} // namespace

DemoProcess::DemoProcess(const QStringList& Arguments)
{
    if (!m_Home.isValid())
        throw HarnessError("no temporary home folder for the demo");
    m_Demo.setProcessEnvironment(OwnUserFolders(m_Home.path()));
    // The demo's warnings and any sanitizer report land in the test's own output.
    m_Demo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_Demo.start(QStringLiteral(TARVEX_DEMO_PROGRAM), QStringList { QStringLiteral("--control") } + Arguments);
    if (!m_Demo.waitForStarted(AnswerLimit))
        throw HarnessError("the demo did not start: " + m_Demo.errorString().toStdString());
    const QByteArray first = ReadLine(QStringLiteral("the demo's window to be on the screen (\"ready\")"), StartLimit);
    if (first != "ready")
        throw HarnessError("the demo said \"" + first.toStdString() + "\" instead of \"ready\"");
    m_Window = FindWindow();
}

DemoProcess::~DemoProcess()
{
    if (m_Demo.state() == QProcess::NotRunning)
        return;
    m_Demo.kill();
    m_Demo.waitForFinished(AnswerLimit);
}

QByteArray DemoProcess::ReadLine(const QString& Description, int Milliseconds)
{
    const QDeadlineTimer deadline(Milliseconds);
    while (!m_Demo.canReadLine()) {
        if (m_Demo.state() == QProcess::NotRunning)
            throw HarnessError(QStringLiteral("the demo ended (exit code %1) while the test waited for %2")
                                   .arg(m_Demo.exitCode()).arg(Description).toStdString());
        if (deadline.hasExpired())
            throw HarnessError(QStringLiteral("waited %1 ms for %2").arg(Milliseconds).arg(Description).toStdString());
        m_Demo.waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), 100)));
    }
    return m_Demo.readLine().trimmed();
}

QByteArray DemoProcess::Ask(const QByteArray& Command, const QString& Description)
{
    m_Demo.write(Command + '\n');
    const QByteArray answer = ReadLine(Description, AnswerLimit);
    if (answer.startsWith("error"))
        throw HarnessError("the demo answered \"" + Command.toStdString() + "\" with: " + answer.toStdString());
    return answer;
}

QJsonObject DemoProcess::State()
{
    const QByteArray answer = Ask("state", QStringLiteral("the demo's state"));
    QJsonParseError error {};
    const QJsonDocument state = QJsonDocument::fromJson(answer, &error);
    if (!state.isObject())
        throw HarnessError("the state is no JSON object (" + error.errorString().toStdString() + "): " + answer.toStdString());
    return state.object();
}

QJsonObject DemoProcess::WaitForState(const std::function<bool(const QJsonObject&)>& Wanted, const QString& Description)
{
    return Poll([this] { return State(); }, Wanted, [&](const QJsonObject& state) {
        return QStringLiteral("waited %1 ms for %2; the state is %3").arg(ChangeLimit).arg(Description, StateText(state));
    });
}

QImage DemoProcess::Shot()
{
    const QString path = QDir(m_Home.path()).filePath(QStringLiteral("shot-%1.png").arg(++m_Shots, 2, 10, QLatin1Char('0')));
    Ask("shot " + path.toUtf8(), QStringLiteral("the picture %1").arg(path));
    QImage picture(path);
    if (picture.isNull())
        throw HarnessError("the demo wrote no readable picture to " + path.toStdString());
    return picture.convertToFormat(QImage::Format_RGB32);
}

QImage DemoProcess::WaitForShot(const std::function<bool(const QImage&)>& Wanted, const QString& Description)
{
    return Poll([this] { return Shot(); }, Wanted, [&](const QImage&) {
        return QStringLiteral("waited %1 ms for the screen to show %2; the last picture is shot-%3.png in %4")
            .arg(ChangeLimit).arg(Description).arg(m_Shots, 2, 10, QLatin1Char('0')).arg(KeepHome());
    });
}

void DemoProcess::Xdo(const QStringList& Arguments)
{
    QProcess xdotool;
    xdotool.setProcessChannelMode(QProcess::MergedChannels);
    xdotool.start(QStringLiteral(TARVEX_XDOTOOL_PROGRAM), Arguments);
    const QString command = QStringLiteral("xdotool ") + Arguments.join(u' ');
    if (!xdotool.waitForFinished(AnswerLimit)) {
        xdotool.kill();
        xdotool.waitForFinished(AnswerLimit);
        throw HarnessError(QStringLiteral("waited %1 ms for %2").arg(AnswerLimit).arg(command).toStdString());
    }
    if (xdotool.exitStatus() != QProcess::NormalExit || xdotool.exitCode() != 0)
        throw HarnessError(QStringLiteral("%1 failed: %2").arg(command, QString::fromLocal8Bit(xdotool.readAll())).toStdString());
}

// The main window is the one mapped window of the demo's process (Qt keeps an unmapped leader window too).
QString DemoProcess::FindWindow()
{
    const QString pid = QString::number(m_Demo.processId());
    const QDeadlineTimer deadline(AnswerLimit);
    for (;;) {
        QProcess search;
        search.start(QStringLiteral(TARVEX_XDOTOOL_PROGRAM), { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid });
        search.waitForFinished(AnswerLimit);
        const QList<QByteArray> windows = search.readAllStandardOutput().trimmed().split('\n');
        if (!windows.first().isEmpty())
            return QString::fromLatin1(windows.first());
        if (deadline.hasExpired())
            throw HarnessError("waited " + std::to_string(AnswerLimit) + " ms for xdotool to find a window of process " + pid.toStdString());
        QThread::msleep(PollInterval);
    }
}

// No --sync: it waits for the pointer to move, which it never does when it is already there. The X
// server takes one client's requests in order, and each xdotool run has ended before the next begins.
QStringList DemoProcess::Move(QPoint Where) const
{
    return { QStringLiteral("mousemove"), QStringLiteral("--window"), m_Window, QString::number(Where.x()), QString::number(Where.y()) };
}

void DemoProcess::MoveTo(QPoint Where)
{
    Xdo(Move(Where));
}

void DemoProcess::Click(QPoint Where, int Button)
{
    const QStyleHints& hints = *QGuiApplication::styleHints();
    const bool near = (Where - m_LastClickAt).manhattanLength() <= hints.mouseDoubleClickDistance();
    if (Button == m_LastButton && near)
        QThread::msleep(std::max<qint64>(hints.mouseDoubleClickInterval() + 50 - m_SinceLastClick.elapsed(), 0));
    Xdo(Move(Where) + QStringList { QStringLiteral("click"), QString::number(Button) });
    m_LastClickAt = Where;
    m_LastButton = Button;
    m_SinceLastClick.start();
}

void DemoProcess::Press(int Button)
{
    Xdo({ QStringLiteral("mousedown"), QString::number(Button) });
}

void DemoProcess::Release(int Button)
{
    Xdo({ QStringLiteral("mouseup"), QString::number(Button) });
}

void DemoProcess::Key(const QStringList& Names)
{
    Xdo(QStringList { QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20") } + Names);
}

void DemoProcess::Type(const QString& Text)
{
    Xdo({ QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), Text });
}

void DemoProcess::Answer(const QString& Title, const QStringList& Names)
{
    const QString pid = QString::number(m_Demo.processId());
    const QString box = Poll(
        [&] {
            QProcess search;
            search.start(QStringLiteral(TARVEX_XDOTOOL_PROGRAM), { QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                   QStringLiteral("--pid"), pid, QStringLiteral("--name"),
                                                                   QStringLiteral("^%1$").arg(Title) });
            search.waitForFinished(AnswerLimit);
            for (const QByteArray& window : search.readAllStandardOutput().trimmed().split('\n')) {
                if (!window.isEmpty() && QString::fromLatin1(window) != m_Window)
                    return QString::fromLatin1(window);
            }
            return QString();
        },
        [](const QString& window) { return !window.isEmpty(); },
        [&](const QString&) { return QStringLiteral("waited %1 ms for a window titled \"%2\"").arg(ChangeLimit).arg(Title); });
    Xdo({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), box });
    Key(Names);
}

int DemoProcess::Quit()
{
    Ask("quit", QStringLiteral("the demo to accept \"quit\""));
    if (!m_Demo.waitForFinished(AnswerLimit))
        throw HarnessError("waited " + std::to_string(AnswerLimit) + " ms for the demo to end after \"quit\"");
    if (m_Demo.exitStatus() != QProcess::NormalExit)
        throw HarnessError("the demo crashed on its way out");
    return m_Demo.exitCode();
}

int DemoProcess::End(bool Failed)
{
    if (!Failed)
        return Quit();
    std::printf("the demo's pictures are kept in %s\n", qPrintable(KeepHome()));
    return 0;
}

QString DemoProcess::KeepHome()
{
    m_Home.setAutoRemove(false);
    return m_Home.path();
}

QJsonObject Archive(const QJsonObject& State)
{
    return State[QLatin1String("Archive")].toObject();
}

QRect RectOf(const QJsonValue& Value)
{
    const QJsonArray rect = Value.toArray();
    if (rect.size() != 4)
        throw HarnessError("the state has no rectangle where one was expected");
    return QRect(rect[0].toInt(), rect[1].toInt(), rect[2].toInt(), rect[3].toInt());
}

QPoint TabCentre(const QJsonObject& State, const QString& Caption)
{
    constexpr int FirstTabLeft = 2;
    constexpr int CaptionMargin = 15;
    constexpr QPoint StripOrigin(3, 2); // where the row of tabs lies in the strip
    constexpr int CaptionMiddle = 8;
    const QJsonObject tabs = State[QLatin1String("Tabs")].toObject();
    const QFontMetricsF metrics(QGuiApplication::font());
    int left = FirstTabLeft;
    for (const QJsonValue caption : tabs[QLatin1String("Captions")].toArray()) {
        const int width = qRound(metrics.horizontalAdvance(caption.toString()) + CaptionMargin);
        if (caption.toString() == Caption)
            return RectOf(tabs[QLatin1String("Rect")]).topLeft() + StripOrigin + QPoint(left + width / 2, CaptionMiddle);
        left += width;
    }
    throw HarnessError("the tab strip has no tab \"" + Caption.toStdString() + "\"");
}

int MovedUp(const QImage& Before, const QImage& After, const QRect& Band)
{
    constexpr int LeastLinesCompared = 40;
    const auto line = [&Band](const QImage& Picture, int Y) {
        return QByteArrayView(reinterpret_cast<const char*>(Picture.constScanLine(Y)) + Band.left() * 4, Band.width() * 4);
    };
    for (int shift = 1; shift <= Band.height() - LeastLinesCompared; ++shift) {
        bool fits = true;
        for (int y = Band.top(); fits && y + shift <= Band.bottom(); ++y)
            fits = line(After, y) == line(Before, y + shift);
        if (fits)
            return shift;
    }
    return 0;
}

bool IsPlain(const QImage& Picture, const QRect& Area)
{
    const QRgb first = Picture.pixel(Area.topLeft());
    for (int y = Area.top(); y <= Area.bottom(); ++y) {
        for (int x = Area.left(); x <= Area.right(); ++x) {
            if (Picture.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

} // namespace Tarvex::EndToEnd
