// What the file calls of both systems share.
#include "files/file_system.h"

#include <QStringList>

namespace korven::fs {

bool isReservedDeviceName(const QString &name)
{
    // Windows ignores an extension and trailing blanks and dots: "con.txt" and "NUL " are devices.
    QString base = name.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toUpper();
    static const QStringList Names = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (Names.contains(base))
        return true;
    if (base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))))
        return base.at(3) >= u'1' && base.at(3) <= u'9';
    return false;
}

} // namespace korven::fs
