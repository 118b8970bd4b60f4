#pragma once
// Turning a teacher's karyogram picture into a problem folder: the 46 chromosomes cut out in
// reading order, checked against the catalogue name's sex, written whole or not at all.
#include "tools/karyogram_segment.h"

#include <QImage>
#include <QString>

namespace korven {

struct ImportOptions {
    QString picture;   // any format Qt reads
    QString imagesDir; // the folder NAME/ is made in
    QString name;      // a catalogue name
    QString preview;   // PNG: the new set's sheet, or the diagnosis on failure; may be empty
    bool replace = false;
};

struct ImportResult {
    QString folder;  // the written problem folder
    QString preview; // the written preview, or empty
    Segmentation segmentation;
};

// Imports the picture as problem folder imagesDir/name. Throws KorvenError with a clear message,
// writing nothing under imagesDir, when the name is not in the catalogue, the folder exists
// without `replace`, the picture cannot be read, the chromosomes are not 46 in 23 pairs (then the
// diagnosis picture is written to `preview`, or to NAME-diagnosis.png in the current folder, and
// named in the message) or the sex chromosomes disagree with the name. Needs a QGuiApplication.
ImportResult importKaryogram(const ImportOptions &options);

// Why a segmentation is not 46 chromosomes in 23 pairs (how many in each row); empty when it is.
QString countFault(const Segmentation &segmentation);

// What was done to the picture before it was cut (inverted, cut to the sheet), one note each.
QStringList preparationNotes(const Segmentation &segmentation);

// The picture as it was analysed, each chromosome outlined in its row's colour with its number,
// and each dropped piece boxed in the style of what it was taken for, with a legend of the
// styles. Needs a QGuiApplication.
QImage drawDiagnosis(const Segmentation &segmentation);

} // namespace korven
