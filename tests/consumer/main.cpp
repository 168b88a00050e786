#include "app/progtxt.h"
#include "evaluator/MathPlugin.h"

#include <cstdio>

int main()
{
    Tarvex::progtxt.Set(0, QStringLiteral("dd.mm.yyyy"));
    std::printf("consumer: slot 0 = %s\n", qPrintable(Tarvex::progtxt[0]));
    Tarvex::MathPlugin calculator;
    bool isError = true;
    const double value = calculator.MathExpression(QStringLiteral("2^3^2"), isError).toDouble();
    std::printf("consumer: 2^3^2 = %g\n", value);
    return Tarvex::progtxt[0].isEmpty() || isError || value != 64 ? 1 : 0;
}
