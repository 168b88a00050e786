#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <stdexcept>

namespace Tarvex::EndToEnd {

// A wait that ran out, or a tool that failed: thrown so that the test stops with what it waited for.
class HarnessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The demo host as a process of its own in the test's X server, driven from outside like a user
// would drive it: real X pointer and key events through xdotool, and what the demo shows read back
// through its control channel (its state as JSON, and pictures of its window as the X server has it).
// Each instance starts a fresh demo with a home folder of its own, so that its settings store and its
// desktop are its own too. Every wait is bounded and throws HarnessError naming what it waited for.
class DemoProcess {
public:
    // The extra arguments go to the demo after --control.
    explicit DemoProcess(const QStringList& Arguments = {});
    ~DemoProcess();
    DemoProcess(const DemoProcess&) = delete;
    DemoProcess& operator=(const DemoProcess&) = delete;

    QJsonObject State();
    // Asks for the state until Wanted holds; the description says what the test waited for.
    QJsonObject WaitForState(const std::function<bool(const QJsonObject&)>& Wanted, const QString& Description);
    // The window as the X server shows it now.
    QImage Shot();
    // Takes pictures until Wanted holds: the screen follows a change of state by a repaint.
    QImage WaitForShot(const std::function<bool(const QImage&)>& Wanted, const QString& Description);

    // Pointer and keys, in window pixels; a button is X's: 1 left, 2 middle, 3 right, 4 and 5 the wheel.
    // A click is a single click: one soon after another at the same place waits until it can no longer
    // count as the second half of a double click.
    void Click(QPoint Where, int Button = 1);
    void MoveTo(QPoint Where);
    void Press(int Button = 1);
    void Release(int Button = 1);
    // xdotool key names ("Return", "ctrl+c", "Down"), one event each.
    void Key(const QStringList& Names);
    void Type(const QString& Text);
    // Waits for a window of the demo titled Title besides its main window (a message box), gives it
    // the keyboard and presses the keys there, as a user answering it would.
    void Answer(const QString& Title, const QStringList& Names);

    // Asks the demo to end and returns its exit code; a crash or a sanitizer's report fails the test.
    int Quit();
    // The end of a test: a failed one leaves the demo running and keeps its pictures, saying where,
    // and gives 0; a passed one quits the demo and gives its exit code.
    int End(bool Failed);
    QString Home() const { return m_Home.path(); }
    // Keeps the home folder with its pictures, for a failed test to be looked into.
    QString KeepHome();

private:
    QByteArray Ask(const QByteArray& Command, const QString& Description);
    QByteArray ReadLine(const QString& Description, int Milliseconds);
    void Xdo(const QStringList& Arguments);
    QStringList Move(QPoint Where) const;
    QString FindWindow();

    QTemporaryDir m_Home;     // HOME, settings store, desktop and pictures of this demo
    QProcess m_Demo;          // tarvex-demo --control
    QString m_Window;         // X window id of the demo's main window, as xdotool names it
    int m_Shots { 0 };        // pictures taken, to name the next one
    QPoint m_LastClickAt;     // where and with which button the last click was, and when
    int m_LastButton { 0 };   // 0 = no click yet
    QElapsedTimer m_SinceLastClick;
};

// Where a user clicks on the tab strip to pick a tab: the middle of its caption. The strip lays its tabs
// side by side, each as wide as its caption plus 15 pixels, measured here in the font both processes
// take from the same X server.
QPoint TabCentre(const QJsonObject& State, const QString& Caption);

// A rectangle of the state, [x, y, width, height] in window pixels.
QRect RectOf(const QJsonValue& Value);

// The archive grid's part of the state.
QJsonObject Archive(const QJsonObject& State);

// How many pixels the picture moved up from Before to After within Band: the smallest shift under which
// every line of After is the line of Before that far below it; 0 when none fits.
int MovedUp(const QImage& Before, const QImage& After, const QRect& Band);

// Whether every pixel in Area has the same colour.
bool IsPlain(const QImage& Picture, const QRect& Area);

} // namespace Tarvex::EndToEnd
