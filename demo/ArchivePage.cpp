#include "ArchivePage.h"

#include "DemoTexts.h"

#include <tarvex/grid/RuzuZiri.h>
#include <tarvex/platform/FormFile.h>
#include <tarvex/platform/MsgBox.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace Tarvex::Demo {

namespace {

constexpr qint32 OpenInvoiceColor = 0x0000C0; // dark red
constexpr int CustomerColumn = 3;
constexpr int NumberColumn = 0;
constexpr int CityColumn = 4;
constexpr int StatusColumn = 7;
// What opens the grid's editor: F2 (a double click names the document); letters typed on the list
// search it.
constexpr int EditOnF2 = 4;
constexpr int GrossColumn = 6;
constexpr int SystemScheme = 6;

// Widths in twips, the grid's default unit; alignment 4 is left, 6 right, both centred vertically.
struct ArchiveColumn {
    DemoText Heading;
    float Width;
    int Alignment;
    int Type;     // 1 number, 2 date, 0 text
    const char* Format; // display format of the cells and the total
};

const std::array<ArchiveColumn, 8> Columns { {
    { ArchiveNumberHeading, 1400, 4, 0, "" },
    { ArchiveKindHeading, 1300, 4, 0, "" },
    { ArchiveDateHeading, 1200, 4, 2, "" },
    { ArchiveCustomerHeading, 2500, 4, 0, "" },
    { ArchiveCityHeading, 1500, 4, 0, "" },
    { ArchiveNetHeading, 1250, 6, 1, "#,##0.00" },
    { ArchiveGrossHeading, 1250, 6, 1, "#,##0.00" },
    { ArchiveStatusHeading, 1100, 4, 0, "" },
} };

// The section of the settings store that keeps the columns, whatever the language of their headings.
const QString ColumnsSection = QStringLiteral("ArchiveGrid");

const std::array<const char*, 12> Customers { "Bäckerei Huber", "Schreinerei Lang", "Autohaus Krämer", "Gärtnerei Blum",
    "Elektro Wagner", "Hotel Seeblick", "Praxis Dr. Roth", "Weingut Fischer", "Malerbetrieb Koch", "Café Central",
    "Druckerei Berger", "Metzgerei Maier" };
const std::array<const char*, 8> Cities { "München", "Augsburg", "Regensburg", "Passau", "Landshut", "Rosenheim",
    "Kempten", "Ingolstadt" };

// A small mixing function, so the documents look varied and stay the same from run to run.
quint32 Mix(quint32 n)
{
    n ^= n >> 16;
    n *= 0x7FEB352Du;
    n ^= n >> 15;
    n *= 0x846CA68Bu;
    n ^= n >> 16;
    return n;
}

// In the user's locale, as the grid reads numbers back for its totals.
QString Amount(qint64 cents)
{
    return QLocale().toString(double(cents) / 100.0, 'f', 2);
}

// The language's date pattern ("dd.mm.yyyy", "mm/dd/yyyy") names months "mm", as the date fields do.
QString DateText(const QDate& date)
{
    QString pattern = progtxt[0];
    return date.toString(pattern.replace(QLatin1String("mm"), QLatin1String("MM")));
}

DemoText KindOf(int n)
{
    const quint32 pick = Mix(quint32(n) * 3 + 1) % 10;
    return pick < 6 ? ArchiveInvoice : pick < 8 ? ArchiveOffer : ArchiveDeliveryNote;
}

} // namespace

bool IsOpenInvoice(int n)
{
    // Older invoices are mostly paid; the newest tenth of them are often still open.
    return KindOf(n) == ArchiveInvoice && Mix(quint32(n) * 7 + 5) % 5 == 0;
}

QString ArchiveDocument(int n)
{
    const quint32 r = Mix(quint32(n));
    const DemoText kind = KindOf(n);
    const QDate date = QDate(2019, 1, 2).addDays(n / 3);
    const qint64 net = 1500 + qint64(r % 250000);
    const qint64 gross = net * 119 / 100;
    const DemoText status = kind != ArchiveInvoice ? ArchiveFiled : IsOpenInvoice(n) ? ArchiveOpen : ArchivePaid;
    const QStringList texts {
        QStringLiteral("%1-%2").arg(date.year()).arg(n + 1, 6, 10, QLatin1Char('0')),
        Text(kind),
        DateText(date),
        QString::fromUtf8(Customers[r / 7 % Customers.size()]),
        QString::fromUtf8(Cities[r / 97 % Cities.size()]),
        Amount(net),
        Amount(gross),
        Text(status),
    };
    return texts.join(QLatin1Char('\t'));
}

ArchivePage::ArchivePage(int documents, QWidget* parent)
    : QWidget(parent)
    , m_Grid(new RuzuZiri(this))
{
    m_Grid->setObjectName(QStringLiteral("RuzuZiri1"));
    m_Grid->Caption(Text(ArchiveCaption));
    m_Grid->ShowRowNumbers(true);
    m_Grid->TotalsLineShow(true);
    m_Grid->FocusRowHighlight(true);
    m_Grid->BackColorEvenRowsEnabled(true);
    for (size_t c = 0; c < Columns.size(); ++c)
        m_Grid->AddColumn(Text(Columns[c].Heading), Columns[c].Width, Columns[c].Alignment, Columns[c].Type,
            QString::fromLatin1(Columns[c].Format));
    m_Grid->TotalsLineCaption(0, Text(ArchiveTotal));
    AllowKeyboardWork();
    // As in the archive window: rows picked with Ctrl and Shift, sorted by a header click, columns
    // moved by their headers and sized by their borders.
    m_Grid->MultiSelect(1);
    m_Grid->AllowColumnSort(true);
    m_Grid->AllowColumnDrag(true);
    connect(m_Grid, &RuzuZiri::MouseDown, this, [this](qint16&, qint16& Shift, float&, float&) { m_CtrlPressed = Shift & 2; });
    connect(m_Grid, &RuzuZiri::SortComplete, this, [this] { m_Sorted = true; });
    connect(m_Grid, &RuzuZiri::MouseMove, this, [this](qint16&, qint16&, float& X, float& Y) { m_MouseAt = QPoint(int(X), int(Y)); });
    connect(m_Grid, &RuzuZiri::MouseEnter, this, [this] { ++m_MouseEnters; });
    connect(m_Grid, &RuzuZiri::MouseLeave, this, [this] { ++m_MouseLeaves; });
    connect(m_Grid, &RuzuZiri::ColumnClick, this, &ArchivePage::FollowSort);
    connect(m_Grid, &RuzuZiri::DblClick, this, [this] { m_Status->setText(Text(ArchiveOpenedLine).arg(m_Grid->CellText(m_Grid->Row(), NumberColumn))); });
    m_Export = new QPushButton(Text(ArchiveExportButton), this);
    m_Export->setObjectName(QStringLiteral("cmdExport"));
    // Hidden rows become empty lines, so a row keeps its line number in the file.
    connect(m_Export, &QPushButton::clicked, this, [this] { m_Grid->ExportGrid(Text(ArchiveTab), true, true); });
    m_Status = new QLabel(this);
    m_Status->setObjectName(QStringLiteral("lblStatus"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Grid);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_Status, 1);
    bottom->addWidget(m_Export);
    layout->addLayout(bottom);
    Fill(documents);
}

// The list is worked from the keyboard: the arrows and page keys move, letters find a customer, F2
// or Enter edit the current cell, Insert adds a document and Delete removes one once the user agreed.
// The focus marks the row, since Delete acts on the whole document.
void ArchivePage::AllowKeyboardWork()
{
    m_Grid->FocusRectMode(1);
    m_Grid->AllowEdit(true);
    m_Grid->EditTrigger(EditOnF2);
    m_Grid->AllowInsert(true);
    m_Grid->AllowDelete(true);
    m_Grid->SearchColumn(CustomerColumn);
    connect(m_Grid, &RuzuZiri::BeforeDelete, this, [](int, bool& Cancel) {
        Cancel = MsgBox(Text(ArchiveDeleteQuestion), MsgBoxStyle::YesNo | MsgBoxStyle::Question, Text(ArchiveTab))
            != MsgBoxResult::Yes;
    });
}

QString ArchivePage::Status() const
{
    return m_Status->text();
}

// A header click steps its column through smallest first, greatest first and unsorted; another
// column starts at smallest first. With Ctrl it only adds a second key under the sorted column.
void ArchivePage::FollowSort(int Column)
{
    if (!std::exchange(m_Sorted, false) || (m_CtrlPressed && m_SortColumn != -1))
        return;
    m_SortOrder = Column != m_SortColumn ? 2 : m_SortOrder == 2 ? 1 : 0;
    m_SortColumn = m_SortOrder == 0 ? -1 : Column;
}

void ArchivePage::Fill(int Count)
{
    m_Documents = Count;
    m_SortColumn = -1;
    m_SortOrder = 0;
    m_ListedKind = Text(ArchiveInvoice);
    m_Grid->Clear();
    for (int n = 0; n < Count; ++n)
        m_Grid->AddItem(ArchiveDocument(n));
    for (int row = 0; row < m_Grid->ItemCount(); ++row) {
        if (!IsOpenInvoice(row))
            continue;
        m_Grid->CellForeColor(row, StatusColumn, OpenInvoiceColor);
        m_Grid->CellForeColor(row, GrossColumn, OpenInvoiceColor);
    }
    m_Grid->Redraw(true);
    if (m_Grid->ItemCount() > 0)
        m_Grid->RowColSet(0, 0);
}

void ArchivePage::ApplyTexts()
{
    m_Grid->Caption(Text(ArchiveCaption));
    for (size_t c = 0; c < Columns.size(); ++c)
        m_Grid->ColHeading(int(c), Text(Columns[c].Heading));
    m_Grid->TotalsLineCaption(0, Text(ArchiveTotal));
    m_Export->setText(Text(ArchiveExportButton));
    // The kind and status texts are part of the documents, so they are listed anew.
    if (Text(ArchiveInvoice) != m_ListedKind)
        Fill(m_Documents);
}

QStringList ArchivePage::ReadForm(FormFile& Form)
{
    if (!Form.Contains(RuzuZiri::ControlType, m_Grid->objectName()))
        return {};
    PropertyBag& bag = Form.Bag(RuzuZiri::ControlType, m_Grid->objectName());
    m_Grid->ReadProperties(bag);
    m_Grid->Caption(Text(ArchiveCaption));
    Fill(m_Documents);
    return bag.Problems();
}

void ArchivePage::WriteForm(FormFile& Form) const
{
    m_Grid->WriteProperties(Form.Bag(RuzuZiri::ControlType, m_Grid->objectName()));
}

void ArchivePage::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    m_Grid->Refresh();
}

void ArchivePage::RestoreColumns()
{
    m_Grid->ColOrderLoad(ColumnsSection);
    m_Grid->ColWidthsLoad(ColumnsSection);
}

void ArchivePage::SaveColumns()
{
    m_Grid->ColOrderSave(ColumnsSection);
    m_Grid->ColWidthsSave(ColumnsSection);
}

namespace {

void SendMouse(QWidget& Target, QEvent::Type Type, QPoint At, Qt::MouseButton Button)
{
    const Qt::MouseButtons held = Type == QEvent::MouseButtonPress ? Qt::MouseButtons(Button) : Qt::NoButton;
    QMouseEvent event(Type, At, Target.mapToGlobal(At), Button, held, Qt::NoModifier);
    QApplication::sendEvent(&Target, &event);
}

// The first point down a line at X that the grid reports over Row, found as the pointer would.
int FindRowTop(RuzuZiri& Grid, int X, int Row)
{
    for (int y = 0; y < Grid.height(); ++y) {
        SendMouse(Grid, QEvent::MouseMove, QPoint(X, y), Qt::NoButton);
        if (Grid.MouseRow() == Row)
            return y;
    }
    return -1;
}

int FindColumnMiddle(RuzuZiri& Grid, int Y, int Column)
{
    int first = -1;
    for (int x = 0; x < Grid.width(); ++x) {
        SendMouse(Grid, QEvent::MouseMove, QPoint(x, Y), Qt::NoButton);
        if (Grid.MouseCol() == Column && first == -1)
            first = x;
        else if (Grid.MouseCol() != Column && first != -1)
            return (first + x) / 2;
    }
    return first;
}

} // namespace

QString ArchivePage::RenderMouse(const QString& Dir, QWidget& Window)
{
    m_Grid->ColWidth(CityColumn, 700);
    const int firstRow = FindRowTop(*m_Grid, 40, 0);
    if (firstRow < 0)
        return {};
    const QPoint header(FindColumnMiddle(*m_Grid, firstRow + 4, GrossColumn), firstRow - 8);
    SendMouse(*m_Grid, QEvent::MouseMove, header, Qt::NoButton);
    SendMouse(*m_Grid, QEvent::MouseButtonPress, header, Qt::LeftButton);
    SendMouse(*m_Grid, QEvent::MouseButtonRelease, header, Qt::LeftButton);
    // The pointer rests on a city that its narrowed column cuts, until the tip shows; the waits the
    // search for the city started end first, with the pointer off the rows.
    const QPoint city(FindColumnMiddle(*m_Grid, firstRow + 4, CityColumn), FindRowTop(*m_Grid, 40, 3) + 4);
    const auto rest = [](int Milliseconds) {
        QEventLoop loop;
        QTimer::singleShot(Milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    };
    SendMouse(*m_Grid, QEvent::MouseMove, QPoint(city.x(), 1), Qt::NoButton);
    rest(200);
    SendMouse(*m_Grid, QEvent::MouseMove, city, Qt::NoButton);
    rest(1700);
    QImage picture = Window.grab().toImage();
    if (auto* tip = m_Grid->findChild<QWidget*>(QStringLiteral("picToolTip")); tip && tip->isVisible()) {
        QPainter painter(&picture);
        painter.drawPixmap(Window.mapFromGlobal(tip->pos()), tip->grab());
    }
    const QString path = QDir(Dir).absoluteFilePath(QStringLiteral("archive-mouse.png"));
    return picture.save(path) ? path : QString();
}

QStringList ArchivePage::RenderLooks(const QString& Dir, QWidget& Window)
{
    struct Look {
        const char* Name;
        int Count;
        int (RuzuZiri::*Read)() const;
        void (RuzuZiri::*Write)(int);
    };
    const std::array<Look, 2> looks { {
        { "scheme", 5, &RuzuZiri::ThemeColor, &RuzuZiri::ThemeColor },
        { "style", 8, &RuzuZiri::ThemeStyle, &RuzuZiri::ThemeStyle },
    } };
    QStringList written;
    for (const Look& look : looks) {
        const int before = (m_Grid->*look.Read)();
        for (int n = 0; n < look.Count; ++n) {
            (m_Grid->*look.Write)(n);
            const QString path = QDir(Dir).absoluteFilePath(QStringLiteral("archive-%1-%2.png").arg(QLatin1String(look.Name)).arg(n));
            if (!Window.grab().save(path))
                return {};
            written << path;
        }
        (m_Grid->*look.Write)(before);
    }
    return written;
}

ArchiveSettings::ArchiveSettings(RuzuZiri* grid, QWidget* parent)
    : QWidget(parent)
    , m_Grid(grid)
    , m_Box(new QGroupBox(this))
{
    auto* form = new QFormLayout(m_Box);
    // The five fixed schemes, then the one that follows the system (ThemeColor 6).
    m_Scheme = AddChoice({ "Blue", "Silver", "Olive", "Sage", "Amber", "System" }, &ArchiveSettings::ChooseScheme);
    m_HeaderStyle = AddChoice({ "Push buttons", "Flat buttons", "System", "Gradient", "3-D", "3-D tinted", "Glass", "Glass tinted" },
        &ArchiveSettings::ChooseHeaderStyle);
    m_Highlight = AddChoice({ "Solid", "Vertical gradient", "Horizontal gradient" }, &ArchiveSettings::ChooseHighlight);
    m_GridLines = AddChoice({ "None", "Both", "Vertical", "Horizontal" }, &ArchiveSettings::ChooseGridLines);
    m_RowNumbers = new QCheckBox(m_Box);
    connect(m_RowNumbers, &QCheckBox::toggled, this, [this](bool on) { m_Grid->ShowRowNumbers(on); });
    m_Totals = new QCheckBox(m_Box);
    connect(m_Totals, &QCheckBox::toggled, this, [this](bool on) { m_Grid->TotalsLineShow(on); });
    const std::array<QWidget*, 4> choices { m_Scheme, m_HeaderStyle, m_Highlight, m_GridLines };
    for (size_t row = 0; row < choices.size(); ++row) {
        m_Labels[row] = new QLabel(m_Box);
        form->addRow(m_Labels[row], choices[row]);
    }
    form->addRow(m_RowNumbers);
    form->addRow(m_Totals);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Box);
    ShowGridSettings();
    ApplyTexts();
}

QComboBox* ArchiveSettings::AddChoice(const QStringList& names, void (ArchiveSettings::*apply)(int))
{
    auto* choice = new QComboBox(m_Box);
    choice->addItems(names);
    connect(choice, &QComboBox::activated, this, apply);
    return choice;
}

// The switches show what the grid has without writing it back.
void ArchiveSettings::ShowGridSettings()
{
    const int scheme = m_Grid->ThemeColor() == SystemScheme ? 5 : m_Grid->ThemeColor();
    const std::array<std::pair<QComboBox*, int>, 4> choices { { { m_Scheme, scheme }, { m_HeaderStyle, m_Grid->ThemeStyle() },
        { m_Highlight, m_Grid->FocusRowHighlightStyle() }, { m_GridLines, m_Grid->GridLines() } } };
    for (const auto& [choice, current] : choices)
        choice->setCurrentIndex(current >= 0 && current < choice->count() ? current : -1);
    const QSignalBlocker rowNumbers(m_RowNumbers);
    m_RowNumbers->setChecked(m_Grid->ShowRowNumbers());
    const QSignalBlocker totals(m_Totals);
    m_Totals->setChecked(m_Grid->TotalsLineShow());
}

void ArchiveSettings::ChooseScheme(int index) { m_Grid->ThemeColor(index == 5 ? SystemScheme : index); }

void ArchiveSettings::ChooseHeaderStyle(int index) { m_Grid->ThemeStyle(index); }

void ArchiveSettings::ChooseHighlight(int index) { m_Grid->FocusRowHighlightStyle(index); }

void ArchiveSettings::ChooseGridLines(int index) { m_Grid->GridLines(index); }

void ArchiveSettings::ApplyTexts()
{
    m_Box->setTitle(Text(ArchiveSettingsCaption));
    const std::array<DemoText, 4> labels { SchemeLabel, HeaderStyleLabel, HighlightLabel, GridLinesLabel };
    for (size_t row = 0; row < labels.size(); ++row)
        m_Labels[row]->setText(Text(labels[row]));
    m_RowNumbers->setText(Text(RowNumbersLabel));
    m_Totals->setText(Text(TotalsLineLabel));
}

} // namespace Tarvex::Demo
