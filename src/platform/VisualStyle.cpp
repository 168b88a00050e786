#include <tarvex/platform/VisualStyle.h>

#include <tarvex/platform/Canvas.h>

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace Tarvex {
namespace {

std::optional<bool> ForcedThemed;         // set by an Override
std::optional<QString> ForcedSchemeName;

QStyle* ApplicationStyle()
{
    if (ForcedThemed == false || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return nullptr;
    return QApplication::style();
}

bool IsClass(const QString& ClassName, const char* Name)
{
    return ClassName.compare(QLatin1String(Name), Qt::CaseInsensitive) == 0;
}

QStyle::State CommonState(int Hot, int Pressed, int Disabled, int State)
{
    QStyle::State state = QStyle::State_Active;
    if (State != Disabled)
        state |= QStyle::State_Enabled;
    if (State == Hot)
        state |= QStyle::State_MouseOver;
    if (State == Pressed)
        state |= QStyle::State_Sunken;
    return state;
}

void Prepare(QStyleOption& Option, const Canvas& Drawing, const Rect& Bounds, QStyle::State State)
{
    Option.rect = QRect(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    Option.palette = Drawing.Palette();
    Option.state = State;
}

bool DrawButton(QStyle& Style, Canvas& Drawing, int Part, int State, const Rect& Bounds)
{
    if (Part == 1 && State >= 1 && State <= 5) {
        QStyleOptionButton option;
        Prepare(option, Drawing, Bounds, CommonState(2, 3, 4, State) | (State == 3 ? QStyle::State_On : QStyle::State_Raised));
        Drawing.Paint(Bounds, [&](QPainter& Painter) { Style.drawControl(QStyle::CE_PushButtonBevel, &option, &Painter); });
        return true;
    }
    if (Part == 3 && State >= 0 && State <= 8) {
        const bool checked = State >= 5;
        const int plain = checked ? State - 4 : std::max(State, 1);
        // A themed check box keeps its own size, centred in the rectangle, however tall the row.
        const int side = std::min({ Bounds.Width(), Bounds.Height(), Style.pixelMetric(QStyle::PM_IndicatorWidth) });
        const int left = Bounds.Left + (Bounds.Width() - side) / 2;
        const int top = Bounds.Top + (Bounds.Height() - side) / 2;
        const Rect box { left, top, left + side, top + side };
        QStyleOptionButton option;
        Prepare(option, Drawing, box, CommonState(2, 3, 4, plain) | (checked ? QStyle::State_On : QStyle::State_Off));
        Drawing.Paint(box, [&](QPainter& Painter) { Style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &Painter); });
        return true;
    }
    return false;
}

bool DrawHeader(QStyle& Style, Canvas& Drawing, int Part, int State, const Rect& Bounds)
{
    if (Part != 1 || State < 1 || State > 3)
        return false;
    QStyleOptionHeader option;
    Prepare(option, Drawing, Bounds, CommonState(2, 3, 0, State) | QStyle::State_Raised | QStyle::State_Horizontal);
    option.orientation = Qt::Horizontal;
    option.position = QStyleOptionHeader::Middle;
    Drawing.Paint(Bounds, [&](QPainter& Painter) { Style.drawControl(QStyle::CE_HeaderSection, &option, &Painter); });
    return true;
}

} // namespace

bool VisualStyle::AppThemed() { return ApplicationStyle() != nullptr; }

bool VisualStyle::HasThemeData(const QString& ClassName)
{
    return AppThemed() && (IsClass(ClassName, "Button") || IsClass(ClassName, "Header") || IsClass(ClassName, "ExplorerBar"));
}

bool VisualStyle::DrawThemeBackground(Canvas& Drawing, const QString& ClassName, int Part, int State, const Rect& Bounds)
{
    QStyle* style = ApplicationStyle();
    if (style == nullptr || Bounds.IsEmpty())
        return false;
    if (IsClass(ClassName, "Button"))
        return DrawButton(*style, Drawing, Part, State, Bounds);
    if (IsClass(ClassName, "Header"))
        return DrawHeader(*style, Drawing, Part, State, Bounds);
    return false;
}

QString VisualStyle::CurrentSchemeName()
{
    if (!AppThemed())
        return QString();
    if (ForcedSchemeName)
        return *ForcedSchemeName;
    return ApplicationStyle()->name();
}

VisualStyle::Override::Override(bool Themed, const QString& SchemeName)
    : m_PreviousThemed(ForcedThemed)
    , m_PreviousSchemeName(ForcedSchemeName)
{
    ForcedThemed = Themed;
    ForcedSchemeName = SchemeName.isNull() ? std::optional<QString>() : SchemeName;
}

VisualStyle::Override::~Override()
{
    ForcedThemed = m_PreviousThemed;
    ForcedSchemeName = m_PreviousSchemeName;
}

} // namespace Tarvex
