#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace Tarvex::Demo {

class DemoWindow;

// Lets a test program drive the running demo from outside: it reads one command a line from standard
// input and answers each with one line on standard output, while the window goes on taking input.
//   state      -> one JSON object: the current page, the calculator line, each date field, the archive
//                 grid, and where each control of the page shown lies in the window (pixels)
//   shot PATH  -> "ok" once the window, as the X server shows it, is written to PATH as a picture
//   quit       -> "ok", then the demo ends as when its window is closed
// Commands are read only after the window is first on the screen, which "ready" announces; the end of
// standard input ends the demo too, so a test that dies leaves no demo behind.
class ControlChannel : public QObject {
    Q_OBJECT

public:
    explicit ControlChannel(DemoWindow& Window, QObject* Parent = nullptr);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void Listen();
    void ReadInput();
    // False once the demo is ending, so that nothing after "quit" is read.
    bool Answer(const QByteArray& Line);
    QByteArray Shot(const QString& Path) const;
    void Quit();

    DemoWindow& m_Window;
    QSocketNotifier* m_Input { nullptr }; // on standard input; made once the window is exposed
    QByteArray m_Pending;                 // read but not yet a whole line
};

} // namespace Tarvex::Demo
