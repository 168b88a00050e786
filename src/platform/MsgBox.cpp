#include <tarvex/platform/MsgBox.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMessageBox>

#include <algorithm>
#include <array>

namespace Tarvex {
namespace {

Q_LOGGING_CATEGORY(msgBoxLog, "tarvex.msgbox")

// The buttons of each button set, in the order the box shows them.
std::vector<int> ButtonSet(int Buttons)
{
    using namespace MsgBoxResult;
    switch (Buttons & 7) {
    case MsgBoxStyle::OKCancel:
        return { OK, Cancel };
    case MsgBoxStyle::AbortRetryIgnore:
        return { Abort, Retry, Ignore };
    case MsgBoxStyle::YesNoCancel:
        return { Yes, No, Cancel };
    case MsgBoxStyle::YesNo:
        return { Yes, No };
    case MsgBoxStyle::RetryCancel:
        return { Retry, Cancel };
    default:
        return { OK };
    }
}

QMessageBox::StandardButton StandardButton(int Result)
{
    static constexpr std::array<QMessageBox::StandardButton, 8> Buttons { QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Cancel,
        QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore, QMessageBox::Yes, QMessageBox::No };
    return Result >= 0 && Result < int(Buttons.size()) ? Buttons[Result] : QMessageBox::Ok;
}

QMessageBox::Icon Icon(int Buttons)
{
    switch (Buttons & 0x70) {
    case MsgBoxStyle::Critical:
        return QMessageBox::Critical;
    case MsgBoxStyle::Question:
        return QMessageBox::Question;
    case MsgBoxStyle::Exclamation:
        return QMessageBox::Warning;
    case MsgBoxStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ShowMessageBox(const QString& Prompt, int Buttons, const QString& Title)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        qCWarning(msgBoxLog).noquote() << Title << ":" << Prompt;
        return DefaultMsgBoxAnswer(Buttons);
    }
    QMessageBox box(Icon(Buttons), Title, Prompt);
    for (const int result : ButtonSet(Buttons))
        box.addButton(StandardButton(result));
    box.setDefaultButton(StandardButton(DefaultMsgBoxAnswer(Buttons)));
    const int clicked = box.exec();
    for (const int result : ButtonSet(Buttons))
        if (clicked == StandardButton(result))
            return result;
    // Closed by Escape or the window's close button: the platform answers Cancel where there is one.
    const std::vector<int> set = ButtonSet(Buttons);
    return std::find(set.begin(), set.end(), int(MsgBoxResult::Cancel)) != set.end() ? MsgBoxResult::Cancel : set.front();
}

MsgBoxHandler& Handler()
{
    static MsgBoxHandler handler;
    return handler;
}

} // namespace

int DefaultMsgBoxAnswer(int Buttons)
{
    const std::vector<int> set = ButtonSet(Buttons);
    const size_t index = (Buttons & MsgBoxStyle::DefaultButton3) ? 2 : (Buttons & MsgBoxStyle::DefaultButton2) ? 1 : 0;
    return index < set.size() ? set[index] : set.front();
}

int MsgBox(const QString& Prompt, int Buttons, const QString& Title)
{
    const QString title = Title.isEmpty() ? QCoreApplication::applicationName() : Title;
    // A copy, since a handler may replace itself while it answers.
    if (const MsgBoxHandler handler = Handler())
        return handler(Prompt, Buttons, title);
    return ShowMessageBox(Prompt, Buttons, title);
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler New_Handler)
{
    MsgBoxHandler previous = std::move(Handler());
    Handler() = std::move(New_Handler);
    return previous;
}

MsgBoxRecorder::MsgBoxRecorder()
{
    m_Previous = SetMsgBoxHandler([this](const QString& Prompt, int Buttons, const QString& Title) {
        m_Calls.push_back(Call { Prompt, Buttons, Title });
        return m_Answer != 0 ? m_Answer : DefaultMsgBoxAnswer(Buttons);
    });
}

MsgBoxRecorder::~MsgBoxRecorder() { SetMsgBoxHandler(std::move(m_Previous)); }

void MsgBoxRecorder::Answer(int Result) { m_Answer = Result; }

const std::vector<MsgBoxRecorder::Call>& MsgBoxRecorder::Calls() const { return m_Calls; }

} // namespace Tarvex
