#include "cases/ui/source_ideograms.h"

#include "iscn/ideogram_paint.h"

#include <algorithm>
#include <cmath>

namespace {

// Layout, pixels.
constexpr double Margin = 10;
constexpr double TitleHeight = 24;
constexpr double NameHeight = 22;     // the chromosome's name under its ideogram
constexpr double PanelGap = 14;
constexpr double IdeogramWidth = 14;
constexpr double IdeogramGap = 78;    // between ideograms of one abnormality, room for a band name
constexpr double Chromosome1Pixels = 340; // drawn length of chromosome 1: 22 stays readable
const QColor BreakColour(200, 30, 30);
const QColor GivenColour(30, 60, 200);

QStringList chromosomesOf(const korven::AbnormalSources &a)
{
    QStringList names;
    for (const korven::SourceChromosome &s : a.sources)
        names << s.chromosome;
    return names;
}

} // namespace

SourceIdeogramsView::SourceIdeogramsView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SourceIdeograms"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SourceIdeogramsView::setSources(const QList<korven::AbnormalSources> &sources, int level,
                                     const QList<korven::AbnormalSources> &given)
{
    using namespace korven::iscn;
    panels_.clear();
    const std::optional<IdeogramChromosome> first = builtInIdeogram(0, level);
    const double scale = first && first->length > 0 ? Chromosome1Pixels / first->length : 0;
    double y = Margin, widest = 0;
    for (const korven::AbnormalSources &abnormality : sources) {
        Panel panel{abnormality.abnormality, y, {}};
        const auto written = std::find_if(given.begin(), given.end(), [&](const korven::AbnormalSources &g) {
            return chromosomesOf(g) == chromosomesOf(abnormality);
        });
        double x = Margin + IdeogramGap / 2 - 20, tallest = 0;
        for (const korven::SourceChromosome &source : abnormality.sources) {
            const std::optional<IdeogramChromosome> chromosome = builtInIdeogram(chromosomeIndex(source.chromosome), level);
            if (!chromosome)
                continue;
            Drawn drawn{source.chromosome, {}, x, y + TitleHeight, y + TitleHeight + chromosome->length * scale, {}};
            drawn.bands = layOutIdeogram(*chromosome, QPointF(x, drawn.top), IdeogramWidth, scale);
            for (const Breakpoint &b : source.breakpoints)
                if (const std::optional<double> at = breakpointPosition(*chromosome, b))
                    drawn.marks.append({b.text(), drawn.top + *at * scale, false});
            if (written != given.end()) {
                for (const korven::SourceChromosome &g : written->sources) {
                    if (g.chromosome != source.chromosome)
                        continue;
                    for (const Breakpoint &b : g.breakpoints)
                        if (!source.breakpoints.contains(b))
                            if (const std::optional<double> at = breakpointPosition(*chromosome, b))
                                drawn.marks.append({b.text(), drawn.top + *at * scale, true});
                }
            }
            tallest = std::max(tallest, drawn.bottom - drawn.top);
            panel.ideograms.append(drawn);
            x += IdeogramGap;
        }
        widest = std::max(widest, x);
        y += TitleHeight + tallest + NameHeight + PanelGap;
        panels_.append(panel);
    }
    size_ = QSize(int(std::ceil(std::max(widest, 200.0))), int(std::ceil(y + Margin)));
    setMinimumSize(size_);
    updateGeometry();
    update();
}

QSize SourceIdeogramsView::sizeHint() const
{
    return size_.isValid() ? size_ : QSize(240, 200);
}

void SourceIdeogramsView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (panels_.isEmpty()) {
        painter.drawText(rect().adjusted(int(Margin), int(Margin), -int(Margin), -int(Margin)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         tr("No chromosome of this cell is rearranged: gains and losses of whole chromosomes "
                            "have no breakpoints."));
        return;
    }
    QFont bold = font();
    bold.setBold(true);
    for (const Panel &panel : panels_) {
        painter.setPen(Qt::black);
        painter.setFont(bold);
        painter.drawText(QRectF(Margin, panel.top, width() - 2 * Margin, TitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         panel.title);
        painter.setFont(font());
        for (const Drawn &drawn : panel.ideograms) {
            korven::iscn::paintIdeogram(painter, drawn.bands);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(drawn.x - 30, drawn.bottom + 2, 60, NameHeight - 4), Qt::AlignHCenter | Qt::AlignTop,
                             drawn.chromosome);
            for (const Mark &mark : drawn.marks) {
                // The true breakpoint to the right with its band; the trainee's to the left.
                painter.setPen(QPen(mark.given ? GivenColour : BreakColour, 2));
                if (!mark.given) {
                    painter.drawLine(QPointF(drawn.x - IdeogramWidth, mark.y), QPointF(drawn.x + IdeogramWidth, mark.y));
                    painter.drawText(QRectF(drawn.x + IdeogramWidth + 2, mark.y - 9, IdeogramGap - IdeogramWidth - 4, 18),
                                     Qt::AlignLeft | Qt::AlignVCenter, mark.label);
                } else {
                    painter.drawLine(QPointF(drawn.x - IdeogramWidth - 4, mark.y), QPointF(drawn.x, mark.y));
                    painter.drawText(QRectF(drawn.x - IdeogramWidth - 4 - 44, mark.y - 9, 42, 18),
                                     Qt::AlignRight | Qt::AlignVCenter, mark.label);
                }
            }
        }
    }
}
