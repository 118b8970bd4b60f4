#include "tools/case_sheet.h"

#include "cases/case_folder.h"

#include "files/errors.h"
#include "exercise/problem_loader.h"
#include "tools/band_splice.h"
#include "files/case_file.h"
#include "iscn/chromosome.h"
#include "iscn/ideogram_paint.h"
#include "tools/metaphase_spread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainterPath>
#include <algorithm>
#include <optional>
#include <map>

namespace korven {

namespace {

// Layout of the sheet, pixels.
constexpr int Border = 24;
constexpr int PieceGap = 6;        // between chromosomes of a group
constexpr int GroupGap = 26;       // between groups
constexpr int RowGap = 16;
constexpr int LabelPixels = 14;
constexpr int LabelHeight = 40;    // group number and the abnormal chromosomes' labels
constexpr int TitleHeight = 30;
constexpr int PanelGap = 48;       // between the karyogram and the ideograms
constexpr double IdeogramWidth = 16;
constexpr double IdeogramGap = 72; // between ideograms of one abnormality, room for a band name
constexpr double IdeogramChromosome1 = 300; // drawn length of chromosome 1's ideogram
constexpr int SpreadWidth = 420;  // cell 1's spread, scaled down to this width
const QColor BreakColour(200, 30, 30);

const std::vector<std::vector<QString>> &rowGroups()
{
    static const std::vector<std::vector<QString>> rows = [] {
        std::vector<std::vector<QString>> r;
        for (const std::vector<int> &places : iscn::karyogramRows()) {
            r.emplace_back();
            for (int place : places)
                r.back().push_back(iscn::chromosomeName(place));
        }
        return r;
    }();
    return rows;
}

// The short label of an abnormal chromosome: "der(22)" of "der(22)t(11;22)(q23;q11.2)".
QString shortLabel(const QString &identity)
{
    const int close = int(identity.indexOf(QLatin1Char(')')));
    return close > 0 ? identity.left(close + 1) : identity;
}

QFont sheetFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

struct Source {
    QString chromosome;
    std::vector<QString> breaks; // places marked on it
};

} // namespace

void drawIdeogram(QPainter &painter, const ChromosomeBands &bands, const std::vector<double> &darkness, QPointF top,
                  double width, double pixelsPerUnit)
{
    iscn::IdeogramChromosome chromosome{bands.name, {}, bands.length, bands.centromere};
    for (size_t b = 0; b < bands.bands.size(); ++b) {
        const Band &band = bands.bands[b];
        const iscn::BandShape shape = band.stain == Stain::Acen    ? iscn::BandShape::Centromere
                                      : band.stain == Stain::Stalk ? iscn::BandShape::Stalk
                                                                   : iscn::BandShape::Plain;
        chromosome.bands.append({band.shortArm ? QLatin1Char('p') : QLatin1Char('q'), band.name, band.start, band.stop,
                                 darkness[b], shape});
    }
    iscn::paintIdeogram(painter, iscn::layOutIdeogram(chromosome, top, width, pixelsPerUnit));
}

QImage drawCaseSheet(const QString &folder, const std::vector<Ideogram> &ideograms,
                     const std::function<KaryotypeLines(const QString &)> &readLines)
{
    const CaseFolder file = readCaseFolder(folder);
    const std::vector<QImage> bitmaps = loadCasePieces(file);
    const Ideogram *ideogram = nullptr;
    for (const Ideogram &i : ideograms)
        ideogram = i.level == file.level ? &i : ideogram;
    if (!ideogram)
        throw KorvenError(QCoreApplication::translate("CaseSheet", "%1: there is no ideogram table for level %2")
                              .arg(caseFilePath(folder)).arg(file.level));
    // Cell 1's line: the one whose chromosomes it holds (cell 1 need not be of the first line).
    const KaryotypeLines lines = readLines(file.karyotype);
    QStringList cellOne;
    for (const CasePiece &piece : file.pieces)
        if (piece.cell == 1)
            cellOne << piece.identity;
    cellOne.sort();
    std::vector<CellChromosome> truth = cellChromosomes(lines.at(0));
    for (const iscn::CellLine &line : lines) {
        std::vector<CellChromosome> chromosomes = cellChromosomes(line);
        QStringList names;
        for (const CellChromosome &c : chromosomes)
            names << c.identity;
        names.sort();
        if (names == cellOne) {
            truth = std::move(chromosomes);
            break;
        }
    }

    // Cell 1's pieces by group, the normal ones first.
    std::map<QString, std::vector<std::pair<QImage, QString>>> groups; // image and identity
    std::vector<QImage> spreadPieces;
    Spread spread{file.spreads[0], {}};
    for (size_t index = 0; index < file.pieces.size(); ++index) {
        const CasePiece &piece = file.pieces[index];
        if (piece.cell != 1)
            continue;
        QString group = QStringLiteral("mar");
        for (const CellChromosome &c : truth)
            if (c.identity == piece.identity)
                group = c.group;
        groups[group].emplace_back(bitmaps[index], piece.identity);
        spreadPieces.push_back(groups[group].back().first);
        spread.placements.push_back({QPoint(piece.x, piece.y), piece.step});
    }
    const QImage spreadPicture = drawSpread(spreadPieces, spread).scaledToWidth(SpreadWidth, Qt::SmoothTransformation);
    for (auto &[group, pieces] : groups)
        std::stable_sort(pieces.begin(), pieces.end(), [&, g = group](const auto &a, const auto &b) {
            return (a.second == g) > (b.second == g);
        });

    // A cell without Y or markers shows no empty place for them.
    const auto skipped = [&](const QString &group) {
        return (group == QLatin1String("mar") || group == QLatin1String("Y")) && groups[group].empty();
    };
    const auto groupWidth = [&](const QString &group) {
        int width = 0;
        for (const auto &piece : groups[group])
            width += piece.first.width() + (width ? PieceGap : 0);
        return std::max(width, 24);
    };

    // The abnormal chromosomes' sources and breakpoints, for the panel on the right.
    std::vector<const CellChromosome *> abnormal;
    for (const CellChromosome &c : truth)
        if (!c.normal() && std::none_of(abnormal.begin(), abnormal.end(), [&](auto *a) { return a->identity == c.identity; }))
            abnormal.push_back(&c);
    const double scale = IdeogramChromosome1 / ideogram->at(0).length;
    const Ideogram &finest = *std::max_element(ideograms.begin(), ideograms.end(),
                                               [](const Ideogram &a, const Ideogram &b) { return a.level < b.level; });
    std::map<QString, Homologue> typical;
    const auto homologue = [&](const QString &name) -> const Homologue & {
        return typical.try_emplace(name, typicalHomologue(ideogram->of(name))).first->second;
    };
    struct Panel {
        const CellChromosome *chromosome;
        std::vector<Source> sources;
        SplicedChromosome spliced;
        double height = 0, width = 0;
    };
    std::vector<Panel> panels;
    for (const CellChromosome *c : abnormal) {
        // A heteromorphism is drawn with its block as the painter makes it.
        std::optional<Homologue> varied;
        if (c->variant) {
            Rng rng(1);
            varied = variedHomologue(ideogram->of(c->group), homologue(c->group), {c->variant->arm, c->variant->region, c->variant->larger}, rng);
        }
        const auto source = [&](const QString &name) -> const Homologue & {
            return varied && name == c->group ? *varied : homologue(name);
        };
        Panel panel{c, {}, spliceSegments(c->segments, c->identity, source, finest, c->centromeres)};
        for (const Segment &segment : c->segments) {
            // Material of unknown origin has no source to show.
            if (c->identity.startsWith(QLatin1String("add(")) && segment.chromosome != c->group)
                continue;
            auto it = std::find_if(panel.sources.begin(), panel.sources.end(),
                                   [&](const Source &s) { return s.chromosome == segment.chromosome; });
            if (it == panel.sources.end())
                it = panel.sources.insert(panel.sources.end(), Source{segment.chromosome, {}});
            for (const QString &place : {segment.from, segment.to})
                if (place != QLatin1String("pter") && place != QLatin1String("qter")
                    && std::find(it->breaks.begin(), it->breaks.end(), place) == it->breaks.end())
                    it->breaks.push_back(place);
        }
        panel.height = panel.spliced.homologue.bands.length * scale;
        for (const Source &s : panel.sources)
            panel.height = std::max(panel.height, homologue(s.chromosome).bands.length * scale);
        panel.height += TitleHeight + LabelHeight;
        panel.width = (double(panel.sources.size()) + 1) * IdeogramGap + 40;
        panels.push_back(std::move(panel));
    }

    // Sizes.
    int karyogramWidth = 0, karyogramHeight = TitleHeight;
    std::vector<int> rowHeights;
    for (const auto &row : rowGroups()) {
        int width = 0, height = 0;
        for (const QString &group : row) {
            if (skipped(group))
                continue;
            width += groupWidth(group) + (width ? GroupGap : 0);
            for (const auto &piece : groups[group])
                height = std::max(height, piece.first.height());
        }
        karyogramWidth = std::max(karyogramWidth, width);
        rowHeights.push_back(height);
        karyogramHeight += height + LabelHeight + RowGap;
    }
    double panelWidth = 0, panelHeight = TitleHeight;
    for (const Panel &panel : panels)
        panelWidth = std::max(panelWidth, panel.width), panelHeight += panel.height + RowGap;
    panelWidth = std::max(panelWidth, double(spreadPicture.width()));
    panelHeight += TitleHeight + spreadPicture.height();
    const int width = 2 * Border + karyogramWidth + PanelGap + int(std::ceil(panelWidth));
    const int height = 2 * Border + std::max(karyogramHeight, int(std::ceil(panelHeight)));

    QImage sheet(width, height, QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(LabelPixels + 2, true));
    painter.drawText(QRect(Border, Border, karyogramWidth + 400, TitleHeight), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("%1   %2   (%3)").arg(QFileInfo(QDir(folder).absolutePath()).fileName(), file.karyotype)
                         .arg(QCoreApplication::translate("CaseSheet", "%1 bands, cell 1").arg(file.level)));

    // The karyogram.
    int y = Border + TitleHeight;
    for (size_t r = 0; r < rowGroups().size(); ++r) {
        const auto &row = rowGroups()[r];
        int rowWidth = 0;
        for (const QString &group : row)
            if (!skipped(group))
                rowWidth += groupWidth(group) + (rowWidth ? GroupGap : 0);
        int x = Border + (karyogramWidth - rowWidth) / 2;
        const int base = y + rowHeights[r];
        for (const QString &group : row) {
            if (skipped(group))
                continue;
            const int groupX = x, groupW = groupWidth(group);
            for (const auto &[image, identity] : groups[group]) {
                painter.drawImage(x, base - image.height(), image);
                if (identity != group) {
                    painter.setPen(BreakColour);
                    painter.setFont(sheetFont(LabelPixels - 2));
                    painter.drawText(QRect(x - 30, base + 22, image.width() + 60, LabelHeight - 22),
                                     Qt::AlignHCenter | Qt::AlignTop, shortLabel(identity));
                }
                x += image.width() + PieceGap;
            }
            painter.setPen(QColor(120, 120, 120));
            painter.drawLine(groupX, base + 3, groupX + groupW, base + 3);
            painter.setPen(Qt::black);
            painter.setFont(sheetFont(LabelPixels));
            painter.drawText(QRect(groupX - 10, base + 5, groupW + 20, 18), Qt::AlignHCenter | Qt::AlignTop,
                             group == QLatin1String("mar") ? QStringLiteral("mar") : group);
            x = groupX + groupW + GroupGap;
        }
        y = base + LabelHeight + RowGap;
    }

    // The ideograms: each source with its breakpoints, then the abnormal chromosome itself.
    double py = Border + TitleHeight;
    const double panelX = Border + karyogramWidth + PanelGap;
    for (const Panel &panel : panels) {
        painter.setPen(Qt::black);
        painter.setFont(sheetFont(LabelPixels, true));
        painter.drawText(QRectF(panelX, py, panelWidth + 200, TitleHeight), Qt::AlignLeft | Qt::AlignTop,
                         panel.chromosome->identity);
        const double top = py + TitleHeight;
        double x = panelX + IdeogramGap / 2;
        std::vector<double> lastLabels; // heights of the last source's break names, beside the arrow
        for (const Source &source : panel.sources) {
            lastLabels.clear();
            const Homologue &h = homologue(source.chromosome);
            drawIdeogram(painter, h.bands, h.darkness, QPointF(x, top), IdeogramWidth, scale);
            painter.setPen(BreakColour);
            painter.setFont(sheetFont(LabelPixels - 3));
            for (const QString &place : source.breaks) {
                const double at = top + placePosition(h.bands, place, &finest.of(source.chromosome)) * scale;
                painter.drawLine(QPointF(x - IdeogramWidth, at), QPointF(x + IdeogramWidth, at));
                lastLabels.push_back(at);
                painter.drawText(QRectF(x + IdeogramWidth + 1, at - 8, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                                 place == QLatin1String("cen") ? QStringLiteral("cen") : place);
            }
            painter.setPen(Qt::black);
            painter.setFont(sheetFont(LabelPixels));
            painter.drawText(QRectF(x - 20, top + h.bands.length * scale + 4, 40, 18), Qt::AlignHCenter | Qt::AlignTop,
                             source.chromosome);
            x += IdeogramGap;
        }
        painter.setPen(Qt::black);
        // The arrow at mid-height, moved down past any break name it would cover.
        double middle = top + (panel.height - TitleHeight - LabelHeight) / 2;
        while (std::any_of(lastLabels.begin(), lastLabels.end(), [&](double at) { return std::abs(at - middle) < 16; }))
            middle += 8;
        painter.drawText(QRectF(x - IdeogramGap / 2 - 10, middle - 10, 20, 20), Qt::AlignCenter, QStringLiteral("→"));
        x += 6;
        const Homologue &result = panel.spliced.homologue;
        drawIdeogram(painter, result.bands, result.darkness, QPointF(x, top), IdeogramWidth, scale);
        // Where the pieces meet.
        painter.setPen(QPen(BreakColour, 1.5));
        for (double junction : panel.spliced.junctions) {
            const double at = top + junction * scale;
            painter.drawLine(QPointF(x - IdeogramWidth, at), QPointF(x - IdeogramWidth / 2 - 2, at));
        }
        painter.setPen(BreakColour);
        painter.setFont(sheetFont(LabelPixels));
        painter.drawText(QRectF(x - 40, top + result.bands.length * scale + 4, 80, 18), Qt::AlignHCenter | Qt::AlignTop,
                         shortLabel(panel.chromosome->identity));
        py += panel.height + RowGap;
    }
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(LabelPixels, true));
    painter.drawText(QRectF(panelX, py, panelWidth, TitleHeight), Qt::AlignLeft | Qt::AlignTop,
                     QCoreApplication::translate("CaseSheet", "Cell 1 as counted"));
    painter.drawImage(QPointF(panelX, py + TitleHeight), spreadPicture);
    painter.end();
    return sheet;
}

} // namespace korven
