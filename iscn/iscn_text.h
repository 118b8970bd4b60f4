#pragma once
// The translation context of the karyotype messages a trainee reads.
#include <QCoreApplication>

namespace korven::iscn {

class Text {
    Q_DECLARE_TR_FUNCTIONS(Karyotype)
};

// "character 14": a place in the text, from an index counted from 0.
inline QString characterAt(int index)
{
    return Text::tr("character %1").arg(index + 1);
}

} // namespace korven::iscn
