#include "tools/karyogram_import.h"

#include "exercise/catalogue.h"
#include "files/errors.h"
#include "files/file_errors.h"
#include "files/text_file.h"
#include "tools/bmp_writer.h"
#include "tools/karyogram_sheet.h"
#include "tools/problem_audit.h"
#include "tools/picture_files.h"
#include "tools/problem_maker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <cerrno>
#include <opencv2/imgproc.hpp>

namespace korven {

namespace {

constexpr int SexPiece = 44; // 23-1; 23-2 follows

// Moves the folder built aside into place, replacing an existing one only when asked; the old
// folder is kept until the new one stands.
void moveIntoPlace(const QString &aside, const QString &relativeTarget)
{
    const QString target = QFileInfo(relativeTarget).absoluteFilePath();
    QDir parent = QFileInfo(target).absoluteDir();
    QString old;
    if (QFileInfo::exists(target)) {
        QTemporaryDir holder(parent.filePath(QStringLiteral(".korven-old-XXXXXX")));
        if (!holder.isValid()) {
            const int error = errno;
            throw KorvenError(QCoreApplication::translate("KaryogramImport", "%1: cannot make room to replace it: %2")
                                  .arg(target, error ? fileErrorText(error) : holder.errorString()));
        }
        old = holder.path();
        holder.remove();
        renameEntry(target, old);
    }
    try {
        renameEntry(aside, target);
    } catch (const KorvenError &) {
        if (!old.isEmpty())
            parent.rename(old, target);
        throw;
    }
    if (!old.isEmpty())
        QDir(old).removeRecursively();
}

} // namespace

QString countFault(const Segmentation &segmentation)
{
    QStringList rows;
    QStringList odd;
    for (size_t r = 0; r < segmentation.rowCounts.size(); ++r) {
        rows << QCoreApplication::translate("KaryogramImport", "row %1: %2").arg(r + 1).arg(segmentation.rowCounts[r]);
        if (segmentation.rowCounts[r] % 2)
            odd << QString::number(r + 1);
    }
    const int found = int(segmentation.chromosomes.size());
    if (found == PieceCount && odd.isEmpty())
        return {};
    QString text = QCoreApplication::translate("KaryogramImport", "found %1 chromosomes in %2 rows (%3)")
                       .arg(found).arg(segmentation.rowCounts.size()).arg(rows.join(QStringLiteral(", ")));
    if (found == PieceCount)
        text += QCoreApplication::translate("KaryogramImport", ", but row %1 cannot hold whole pairs").arg(odd.join(QStringLiteral(", ")));
    else
        text += QCoreApplication::translate("KaryogramImport", ", not 46 in 23 pairs");
    return text;
}

QStringList preparationNotes(const Segmentation &segmentation)
{
    QStringList notes;
    if (segmentation.inverted)
        notes << QCoreApplication::translate("KaryogramImport", "the picture has a dark background; it was inverted");
    if (segmentation.croppedToSheet)
        notes << QCoreApplication::translate("KaryogramImport", "the picture shows a sheet on a surface; it was cut to the sheet and straightened");
    return notes;
}

namespace {

// How each kind of dropped piece is boxed in the diagnosis; specks are not boxed (boxing every
// dot would hide the picture).
QPen droppedPen(DroppedKind kind)
{
    switch (kind) {
    case DroppedKind::Line:
        return QPen(QColor(110, 110, 110), 1.5, Qt::DashLine);
    case DroppedKind::Text:
        return QPen(QColor(160, 100, 0), 1.5, Qt::DotLine);
    case DroppedKind::Colour:
        return QPen(QColor(0, 0, 0), 1.5, Qt::DashDotLine);
    case DroppedKind::Speck:
        break;
    }
    return QPen(Qt::NoPen);
}

} // namespace

QImage drawDiagnosis(const Segmentation &s)
{
    const double t = std::max(8.0, s.thickness);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(int(std::max(10.0, 0.7 * t)));
    font.setBold(true);
    QFont small = font;
    small.setBold(false);
    small.setPixelSize(int(std::max(11.0, 0.5 * t)));
    const int legendHeight = small.pixelSize() + 8;
    const int header = int(2.2 * t) + 10 + legendHeight;
    QImage picture(s.picture.cols, s.picture.rows + header, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < s.picture.rows; ++y) {
        const uchar *grey = s.picture.ptr(y);
        QRgb *out = reinterpret_cast<QRgb *>(picture.scanLine(y + header));
        for (int x = 0; x < s.picture.cols; ++x)
            out[x] = qRgb(grey[x], grey[x], grey[x]);
    }
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString fault = countFault(s);
    QStringList lines{fault.isEmpty() ? QCoreApplication::translate("KaryogramImport", "46 chromosomes in 23 pairs") : fault};
    lines << preparationNotes(s);
    painter.drawText(QRect(4, 2, picture.width() - 8, header - legendHeight - 4), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     lines.join(QStringLiteral("; ")));

    // The legend: one sample box for each kind of dropped piece present, instead of a tag on
    // every box, so that the picture stays readable however many there are.
    painter.setFont(small);
    int x = 6;
    const int legendTop = header - legendHeight;
    for (DroppedKind kind : {DroppedKind::Line, DroppedKind::Text, DroppedKind::Colour}) {
        const int count = int(std::count_if(s.dropped.begin(), s.dropped.end(), [&](const DroppedPiece &d) { return d.kind == kind; }));
        if (!count)
            continue;
        painter.setPen(droppedPen(kind));
        painter.drawRect(QRect(x, legendTop + 3, 2 * small.pixelSize(), small.pixelSize()));
        x += 2 * small.pixelSize() + 6;
        painter.setPen(Qt::black);
        const QString text = QCoreApplication::translate("KaryogramImport", "%1 dropped as %2").arg(count).arg(droppedKindName(kind));
        painter.drawText(QRect(x, legendTop, picture.width(), legendHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += painter.fontMetrics().horizontalAdvance(text) + 3 * small.pixelSize();
    }
    painter.translate(0, header);

    static const QColor rowColours[] = {QColor(220, 30, 30), QColor(20, 90, 230), QColor(0, 150, 60),
                                        QColor(200, 0, 200), QColor(230, 120, 0), QColor(0, 160, 170)};
    const qreal pen = std::max(1.5, t / 12);
    painter.setFont(font);
    for (size_t i = 0; i < s.chromosomes.size(); ++i) {
        const FoundChromosome &c = s.chromosomes[i];
        const QColor colour = rowColours[c.row % 6];
        std::vector<std::vector<cv::Point>> contours;
        cv::findContours(c.mask.clone(), contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
        painter.setPen(QPen(colour, pen));
        painter.setBrush(Qt::NoBrush);
        for (const auto &contour : contours) {
            QPolygon polygon;
            for (const cv::Point &p : contour)
                polygon << QPoint(c.box.x + p.x, c.box.y + p.y);
            painter.drawPolygon(polygon);
        }
        painter.drawText(QRect(c.box.x - int(t), c.box.y - int(1.1 * t), c.box.width + 2 * int(t), int(t)),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(i + 1));
    }
    painter.setBrush(Qt::NoBrush);
    for (const DroppedPiece &d : s.dropped) {
        if (d.kind == DroppedKind::Speck)
            continue;
        painter.setPen(droppedPen(d.kind));
        painter.drawRect(QRect(d.box.x - 1, d.box.y - 1, d.box.width + 2, d.box.height + 2));
    }
    painter.end();
    return picture;
}

ImportResult importKaryogram(const ImportOptions &options)
{
    if (!catalogueNames().contains(options.name))
        throw KorvenError(QCoreApplication::translate("KaryogramImport", "\"%1\" is not a catalogue name, so KORVEN would not list it; use one of "
                                         "the 48 names that 'korven-problems list' shows, such as %2 or %3")
                              .arg(options.name, catalogueNames()[0], catalogueNames()[4]));
    const QString target = QDir(options.imagesDir).filePath(options.name);
    if (QFileInfo::exists(target) && !options.replace)
        throw KorvenError(QCoreApplication::translate("KaryogramImport", "%1 already exists; add --replace to replace it").arg(target));

    ImportResult result;
    result.segmentation = segmentKaryogram(readPicture(options.picture));
    Segmentation &s = result.segmentation;

    const QString fault = countFault(s);
    if (!fault.isEmpty()) {
        const QString diagnosis = options.preview.isEmpty() ? QStringLiteral("%1-diagnosis.png").arg(options.name)
                                                            : options.preview;
        writePicture(diagnosis, drawDiagnosis(s), "PNG");
        throw KorvenError(QCoreApplication::translate("KaryogramImport", "%1: %2; nothing written. %3 shows what was taken for each piece")
                              .arg(options.picture, fault, diagnosis));
    }

    // The sex pair: an X and a Y differ clearly in length, two X do not. The longer is 23-1.
    const bool female = isFemaleProblem(options.name);
    const int first = s.chromosomes[SexPiece].box.height, second = s.chromosomes[SexPiece + 1].box.height;
    const bool differ = lengthsDifferClearly(first, second);
    if (female && differ)
        throw KorvenError(QCoreApplication::translate("KaryogramImport", "%1 is a female set, but the last two chromosomes of %2 differ clearly in "
                                         "length (%3 and %4 pixels: an X and a Y); use a male catalogue name (%5...)")
                              .arg(options.name, options.picture).arg(first).arg(second).arg(MaleStem));
    if (!female && !differ)
        throw KorvenError(QCoreApplication::translate("KaryogramImport", "%1 is a male set, but the last two chromosomes of %2 are alike in length "
                                         "(%3 and %4 pixels: two X, no Y); use a female catalogue name (%5...)")
                              .arg(options.name, options.picture).arg(first).arg(second).arg(FemaleStem));
    if (!female && second > first)
        std::swap(s.chromosomes[SexPiece], s.chromosomes[SexPiece + 1]);

    // Built aside in the same folder, checked as `check` would, then renamed into place: the set
    // appears whole and sound or not at all. The set's folder is made inside the temporary one,
    // so it carries its own name and the usual permissions when it moves.
    makeFolders(options.imagesDir);
    QTemporaryDir aside(QDir(options.imagesDir).filePath(QStringLiteral(".korven-import-XXXXXX")));
    if (!aside.isValid()) {
        const int error = errno;
        throw KorvenError(QCoreApplication::translate("KaryogramImport", "%1: cannot write there: %2")
                              .arg(options.imagesDir, error ? fileErrorText(error) : aside.errorString()));
    }
    const QString built = QDir(aside.path()).filePath(options.name);
    makeFolders(built);
    for (int piece = 0; piece < PieceCount; ++piece)
        writeFileAtomically(QDir(built).filePath(pieceFileName(piece)), encodeBmp24(chromosomeBitmap(s, piece)));
    writeFileAtomically(listingPath(built), linesToCp932(listingLines(built)));
    writeOrigin(built, {{QStringLiteral("source"), QStringLiteral("imported")},
                        {QStringLiteral("picture"), QFileInfo(options.picture).fileName()}});
    QStringList faults = problemFaults(built);
    if (!faults.isEmpty()) {
        faults.replaceInStrings(built, target);
        throw KorvenError(QCoreApplication::translate("KaryogramImport", "%1: the set cut from this picture would not be sound; nothing written:\n%2")
                              .arg(options.picture, faults.join(QLatin1Char('\n'))));
    }
    moveIntoPlace(built, target);
    result.folder = target;

    if (!options.preview.isEmpty()) {
        writePicture(options.preview, drawKaryogramSheet(target), "PNG");
        result.preview = options.preview;
    }
    return result;
}

} // namespace korven
