#include "app/progtxt.h"

#include <cstdio>

int main()
{
    Tarvex::progtxt.Set(0, QStringLiteral("dd.mm.yyyy"));
    std::printf("consumer: slot 0 = %s\n", qPrintable(Tarvex::progtxt[0]));
    return Tarvex::progtxt[0].isEmpty() ? 1 : 0;
}
