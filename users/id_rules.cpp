#include "users/id_rules.h"

#include <QCoreApplication>

namespace korven {

QString idRefusal(const QString &id)
{
    if (id.isEmpty())
        return QCoreApplication::translate("IdRules", "Please enter an ID.");
    if (id == QLatin1String(".") || id == QLatin1String(".."))
        return QCoreApplication::translate("IdRules", "The ID \"%1\" cannot be used. Please enter a different ID.").arg(id);
    if (id.startsWith(u'.'))
        return QCoreApplication::translate("IdRules", "An ID cannot begin with \".\". Please enter a different ID.");
    for (const QChar c : id) {
        if (c == u'/' || c == u'\\')
            return QCoreApplication::translate("IdRules", "An ID cannot contain \"/\" or \"\\\". Please enter a different ID.");
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("IdRules", "An ID cannot contain control characters. Please enter a different ID.");
    }
    if (!id.isValidUtf16())
        return QCoreApplication::translate("IdRules", "The ID holds characters that cannot be used. Please enter a different ID.");
    if (id.toUtf8().size() > MaxIdBytes)
        return QCoreApplication::translate("IdRules", "The ID is too long (at most %1 bytes). Please enter a shorter ID.")
            .arg(MaxIdBytes);
    return {};
}

} // namespace korven
