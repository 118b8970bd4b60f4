#pragma once
// Comma text: the delimited-text rule of the listing and trial record files.
#include <QString>
#include <QStringList>

namespace korven {

// Splits a line into fields at commas and at blanks (and other characters <= ' ') outside
// double quotes; a quoted field loses its quotes and "" inside it becomes ".
// Consecutive commas give empty fields; a run of blanks separates like one comma; a comma at the
// end of the line gives an empty last field. An unclosed quote takes the rest of the line.
QStringList splitCommaText(const QString &line);

// Joins fields with single commas; a field holding a blank, a control character, a double
// quote or a comma is enclosed in double quotes with inner quotes doubled. A single empty field
// is written as "".
QString joinCommaText(const QStringList &fields);

} // namespace korven
