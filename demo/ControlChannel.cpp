#include "ControlChannel.h"

#include "ArchivePage.h"
#include "CalculatorLine.h"
#include "DemoWindow.h"
#include "DocumentPage.h"
#include "TabbedPages.h"

#include <tarvex/calendar/ZIzazeviviro.h>
#include <tarvex/grid/RuzuZiri.h>
#include <tarvex/platform/OleColor.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/SettingsStore.h>
#include <tarvex/tabstrip/VozirAdu.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace Tarvex::Demo {

namespace {

// In the window's own pixels, which are the ones a screenshot of the window has. A widget of a page
// not shown has no place: it may not even be laid out.
QJsonObject Placed(QJsonObject State, const QWidget& Widget, const QWidget& Window)
{
    if (!Widget.isVisible())
        return State;
    const QPoint topLeft = Widget.mapTo(&Window, QPoint(0, 0));
    State.insert(QLatin1String("Rect"), QJsonArray { topLeft.x(), topLeft.y(), Widget.width(), Widget.height() });
    return State;
}

QJsonObject TabsState(const DemoWindow& Window)
{
    const VozirAdu& strip = *Window.Pages()->Strip();
    QJsonArray captions;
    for (int tab = 0; tab < strip.NumberOfTabs(); ++tab)
        captions.append(strip.Caption(tab));
    return Placed({ { "Captions", captions }, { "ActiveTab", strip.ActiveTab() } }, strip, Window);
}

QJsonObject CalculatorState(const DemoWindow& Window)
{
    const CalculatorLine& calculator = *Window.Calculator();
    return Placed({ { "Input", calculator.Input()->text() }, { "Result", calculator.ResultText() } }, *calculator.Input(), Window);
}

QJsonArray DateFieldsState(const DemoWindow& Window)
{
    const DocumentPage& document = *Window.Document();
    QJsonArray fields;
    for (int i = 0; i < DocumentPage::DateFieldCount; ++i) {
        const ZIzazeviviro& field = *document.DateField(i);
        fields.append(Placed({ { "Text", field.Text() }, { "PanelOpen", document.DropDownShown(i) } }, field, Window));
    }
    return fields;
}

// The display order as the grid itself saves it in the user's settings store (in the section of the
// demo's own name for this channel): the grid shows its order only through that store.
QJsonArray ColumnOrder(RuzuZiri& Grid)
{
    const QString section = QStringLiteral("ControlChannel");
    Grid.ColOrderSave(section);
    QJsonArray order;
    for (int position = 0; position < Grid.Cols(); ++position)
        order.append(GetSetting(QCoreApplication::applicationName(), section, QString::number(position)).toInt());
    return order;
}

// The grid's hover tip is a window of its own, placed on the screen; its Rect is in the main window's
// pixels all the same. Its Back is the colour it is filled with, for a picture of the screen to be
// told from the cells under it.
QJsonObject TipState(RuzuZiri& Grid, const QWidget& Window)
{
    const auto* tip = Grid.findChild<PictureBox*>(QStringLiteral("picToolTip"));
    if (!tip || !tip->isVisible())
        return { { "Shown", false } };
    const QPoint topLeft = Window.mapFromGlobal(tip->mapToGlobal(QPoint(0, 0)));
    return { { "Shown", true }, { "Rect", QJsonArray { topLeft.x(), topLeft.y(), tip->width(), tip->height() } },
             { "Back", TranslateOleColor(tip->BackColor(), tip->palette()).name() } };
}

QJsonObject ArchiveState(const DemoWindow& Window)
{
    const ArchivePage& page = *Window.Archive();
    RuzuZiri& grid = *page.Grid();
    const QJsonArray order = ColumnOrder(grid);
    QJsonArray widths;
    for (int column = 0; column < grid.Cols(); ++column)
        widths.append(grid.ColWidth(column));
    const QJsonObject state {
        { "Row", grid.Row() },
        { "Col", grid.Col() },
        { "RowFirstVisible", grid.RowFirstVisible() },
        { "RowLastVisible", grid.RowLastVisible() },
        { "Rows", grid.Rows() },
        { "SelectedCount", grid.SelectedCount() },
        { "EditPending", grid.EditPending() },
        { "ColOrder", order },   // display position -> column number
        { "ColWidths", widths }, // by column number, in the grid's ScaleUnits
        { "CellText", grid.CellText() },
        { "MouseAt", QJsonArray { page.MouseAt().x(), page.MouseAt().y() } }, // the grid's pixels
        { "MouseCol", grid.MouseCol() },
        { "MouseRow", grid.MouseRow() },
        { "MouseEnters", page.MouseEnters() },
        { "MouseLeaves", page.MouseLeaves() },
        { "SortCol", page.SortColumn() },
        { "SortOrder", page.SortOrder() },
        { "Status", page.Status() },
        { "Tip", TipState(grid, Window) },
    };
    return Placed(state, grid, Window);
}

// The message box the demo waits on, as its user reads it. Its buttons' texts are as the buttons
// carry them, "&" before the letter Alt picks them by.
QJsonObject DialogState()
{
    const auto* box = qobject_cast<const QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return { { "Shown", false } };
    QJsonArray buttons;
    for (const QAbstractButton* button : box->buttons())
        buttons.append(button->text());
    return { { "Shown", true }, { "Title", box->windowTitle() }, { "Text", box->text() }, { "Buttons", buttons } };
}

QJsonObject DemoState(const DemoWindow& Window)
{
    return {
        { "Page", Window.PageName(Window.CurrentPage()) },
        { "Focus", Window.focusWidget() ? Window.focusWidget()->objectName() : QString() },
        { "Tabs", TabsState(Window) },
        { "Calculator", CalculatorState(Window) },
        { "DateFields", DateFieldsState(Window) },
        { "LastDateChange", Window.Document()->LastChange() },
        { "Archive", ArchiveState(Window) },
        { "Dialog", DialogState() },
    };
}

void Say(const QByteArray& Line)
{
    std::fwrite(Line.constData(), 1, size_t(Line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

ControlChannel::ControlChannel(DemoWindow& Window, QObject* Parent)
    : QObject(Parent)
    , m_Window(Window)
{
    // Made now rather than at show, so that its first expose is seen.
    m_Window.winId();
    m_Window.windowHandle()->installEventFilter(this);
}

bool ControlChannel::eventFilter(QObject* Watched, QEvent* Event)
{
    // The window paints its first picture while it handles the expose, so "ready" waits until then.
    if (Event->type() == QEvent::Expose && !m_Input && m_Window.windowHandle()->isExposed())
        QTimer::singleShot(0, this, &ControlChannel::Listen);
    return QObject::eventFilter(Watched, Event);
}

void ControlChannel::Listen()
{
    if (m_Input)
        return;
    m_Input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_Input, &QSocketNotifier::activated, this, &ControlChannel::ReadInput);
    Say("ready");
}

void ControlChannel::ReadInput()
{
    char buffer[4096];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0)
        return;
    if (count == 0) {
        Quit();
        return;
    }
    m_Pending.append(buffer, count);
    qsizetype end = 0;
    while ((end = m_Pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_Pending.left(end).trimmed();
        m_Pending.remove(0, end + 1);
        if (!line.isEmpty() && !Answer(line))
            return;
    }
}

bool ControlChannel::Answer(const QByteArray& Line)
{
    const qsizetype space = Line.indexOf(' ');
    const QByteArray command = space < 0 ? Line : Line.left(space);
    const QByteArray argument = space < 0 ? QByteArray() : Line.mid(space + 1).trimmed();
    if (command == "state" && argument.isEmpty()) {
        Say(QJsonDocument(DemoState(m_Window)).toJson(QJsonDocument::Compact));
    } else if (command == "shot" && !argument.isEmpty()) {
        Say(Shot(QString::fromUtf8(argument)));
    } else if (command == "quit" && argument.isEmpty()) {
        Say("ok");
        Quit();
        return false;
    } else {
        Say("error: not a command: \"" + Line + "\" (state, shot PATH, quit)");
    }
    return true;
}

// Read back from the X server rather than rendered anew, so that the picture is what a user sees.
QByteArray ControlChannel::Shot(const QString& Path) const
{
    const QPixmap picture = m_Window.screen()->grabWindow(m_Window.winId());
    if (picture.isNull())
        return "error: the window could not be read from the screen";
    if (!picture.save(Path))
        return "error: cannot write " + Path.toUtf8();
    return "ok";
}

void ControlChannel::Quit()
{
    m_Input->setEnabled(false);
    QCoreApplication::quit();
}

} // namespace Tarvex::Demo
