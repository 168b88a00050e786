#pragma once

#include <QValidator>

namespace Tarvex {

// Forces the letters typed into a line edit to lower or upper case as they arrive. Each character is
// mapped on its own, so the text keeps its length and the caret stays where the user typed.
class LetterCase : public QValidator {
    Q_OBJECT
public:
    enum class Force { None, Lower, Upper };

    explicit LetterCase(QObject* Parent = nullptr);

    Force Forced() const { return m_Force; }
    void Forced(Force New_Force) { m_Force = New_Force; }
    // "<" forces lower case, ">" upper case; any other input filter leaves the case alone.
    static Force FromInputFilter(const QString& InputFilter);

    State validate(QString& Input, int& Position) const override;

private:
    Force m_Force { Force::None }; // set for each edit from the column's input filter
};

} // namespace Tarvex
