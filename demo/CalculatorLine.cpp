#include "CalculatorLine.h"

#include "DemoTexts.h"
#include "NumberText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace Tarvex::Demo {

CalculatorLine::CalculatorLine(QWidget* parent)
    : QWidget(parent)
    , m_Input(new QLineEdit(this))
    , m_Result(new QLabel(this))
{
    m_Input->setMinimumWidth(320);
    m_Result->setMinimumWidth(200);
    m_Result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Input, 1);
    layout->addWidget(m_Result);

    connect(m_Input, &QLineEdit::returnPressed, this, qOverload<>(&CalculatorLine::Evaluate));
    ApplyTexts();
}

void CalculatorLine::ApplyTexts()
{
    m_Input->setPlaceholderText(Text(CalculatorHint));
    if (!m_Result->text().isEmpty())
        Evaluate();
}

QString CalculatorLine::ResultText() const
{
    return m_Result->text();
}

void CalculatorLine::Evaluate(const QString& expression)
{
    m_Input->setText(expression);
    Evaluate();
}

void CalculatorLine::Evaluate()
{
    if (!m_Evaluator)
        m_Evaluator = std::make_unique<MathPlugin>();

    bool isError = false;
    const QVariant value = m_Evaluator->MathExpression(m_Input->text(), isError);
    if (isError) {
        m_Result->setText(Text(CalculatorError));
        return;
    }
    QString number = ShortestNumberText(value.toDouble());
    number.replace(u'.', QLocale().decimalPoint());
    m_Result->setText(Text(CalculatorResult) + u' ' + number);
}

} // namespace Tarvex::Demo
