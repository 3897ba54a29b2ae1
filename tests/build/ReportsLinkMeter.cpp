// Must not link: the reports are built on the database layer and what lies
// below it, so a program linked with the reports alone finds no meter (nor
// document) code. The header is reached through the source folder only so
// that the probe gets as far as the linker.
#include "meter/MeterType.h"

int main()
{
    return static_cast<int>(meterTypeFromAnswer(QByteArray("PN2031")));
}
