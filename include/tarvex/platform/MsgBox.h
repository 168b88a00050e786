#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace Tarvex {

// The style of a message box: one button set, plus one icon, plus one default button.
namespace MsgBoxStyle {
enum : int {
    OKOnly = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton2 = 256,
    DefaultButton3 = 512,
};
} // namespace MsgBoxStyle

// The button that closed a message box.
namespace MsgBoxResult {
enum : int { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
} // namespace MsgBoxResult

// Shows a modal message and returns the button chosen. An empty title means the application's name.
int MsgBox(const QString& Prompt, int Buttons = MsgBoxStyle::OKOnly, const QString& Title = QString());

// Who answers MsgBox. The default shows a QMessageBox; without a screen to show it on (the offscreen
// platform) it logs the message and answers with the default button instead of waiting forever.
using MsgBoxHandler = std::function<int(const QString& Prompt, int Buttons, const QString& Title)>;
// Installs a handler and returns the one it replaces; an empty handler brings back the default.
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler Handler);

// The button a box of this style answers with when Enter is pressed.
int DefaultMsgBoxAnswer(int Buttons);

// Answers every MsgBox while it lives, remembering each call; for tests and unattended runs.
class MsgBoxRecorder {
public:
    struct Call {
        QString Prompt;
        int Buttons { 0 };
        QString Title;
    };

    MsgBoxRecorder();
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    // The answer to give from now on; until set, each box answers with its default button.
    void Answer(int Result);
    const std::vector<Call>& Calls() const;

private:
    std::vector<Call> m_Calls;  // every box asked for, in order
    int m_Answer { 0 };         // 0 = the box's default button
    MsgBoxHandler m_Previous;   // restored when the recorder ends
};

} // namespace Tarvex
