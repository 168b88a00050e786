#pragma once

#include <tarvex/evaluator/MathPlugin.h>

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;

namespace Tarvex::Demo {

// The document page's calculator line: Enter evaluates the text and shows the value, or a plain
// error text when the expression cannot be evaluated.
class CalculatorLine : public QWidget {
    Q_OBJECT

public:
    explicit CalculatorLine(QWidget* parent = nullptr);

    QLineEdit* Input() const { return m_Input; }
    QString ResultText() const;

    void ApplyTexts();

    // Puts the text into the line and evaluates it, as if the user had typed it and pressed Enter.
    void Evaluate(const QString& expression);

private:
    void Evaluate();

    QLineEdit* m_Input { nullptr };
    QLabel* m_Result { nullptr };
    std::unique_ptr<MathPlugin> m_Evaluator; // created on first use, as the wizard does
};

} // namespace Tarvex::Demo
