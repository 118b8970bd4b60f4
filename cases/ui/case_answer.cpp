#include "cases/ui/case_answer.h"

#include "cases/case_grading.h"
#include "cases/case_layout.h"
#include "cases/case_sources.h"
#include "cases/ui/case_places.h"
#include "cases/ui/source_ideograms.h"
#include "program/language.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

CaseAnswerWindow::CaseAnswerWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CaseAnswer"));
    setWindowTitle(tr("KORVEN  Correct answer"));
    // A window to look at and put away: Esc closes it, as it would a dialog.
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    karyotypeLabel = new QLabel;
    karyotypeLabel->setObjectName(QStringLiteral("TrueKaryotype"));
    QFont big = karyotypeLabel->font();
    big.setPixelSize(18);
    big.setBold(true);
    karyotypeLabel->setFont(big);
    karyotypeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(karyotypeLabel);
    noteLabel = new QLabel;
    noteLabel->setObjectName(QStringLiteral("CaseNote"));
    noteLabel->setWordWrap(true);
    layout->addWidget(noteLabel);
    auto *row = new QHBoxLayout;
    karyogram = new KaryogramView(this);
    row->addWidget(karyogram, 1);
    auto *sourcesColumn = new QVBoxLayout;
    auto *sourcesTitle = new QLabel(tr("Source chromosomes and breakpoints"));
    sourcesColumn->addWidget(sourcesTitle);
    ideograms = new SourceIdeogramsView;
    auto *scroll = new QScrollArea;
    scroll->setWidget(ideograms);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(280);
    sourcesColumn->addWidget(scroll, 1);
    row->addLayout(sourcesColumn);
    layout->addLayout(row, 1);
    resize(korven::openingSize(QSize(1240, 820), screen()->availableGeometry().size()));
}

void CaseAnswerWindow::showCase(const korven::CaseFolder &folder, const std::vector<QImage> &sources,
                                const QString &given)
{
    karyotypeLabel->setText(folder.karyotype);
    noteLabel->setText(korven::caseNotes(folder, korven::currentLanguage() == korven::Language::Japanese).join(QLatin1Char('\n')));
    const std::optional<korven::iscn::Karyotype> truth = korven::iscn::parseKaryotype(folder.karyotype);
    const std::optional<korven::iscn::Karyotype> written = korven::iscn::parseKaryotype(given.trimmed());
    ideograms->setSources(truth && !truth->lines.isEmpty() ? korven::abnormalSources(truth->lines.front())
                                                            : QList<korven::AbnormalSources>{},
                          folder.level,
                          written && !written->lines.isEmpty() ? korven::abnormalSources(written->lines.front())
                                                               : QList<korven::AbnormalSources>{});
    for (GroupPlace *g : karyogram->groups()) {
        g->clear();
        g->setAnswerMode(true);
    }
    // Plain homologues first, each changed chromosome to their right with its designation.
    for (bool changed : {false, true}) {
        for (int index : folder.piecesOf(1)) {
            const korven::CasePiece &p = folder.pieces[index];
            if (korven::isRearranged(p.identity) != changed)
                continue;
            const std::vector<int> homes = korven::homeGroups(p.identity);
            GroupPlace *group = karyogram->group(homes.empty() ? korven::GroupMarker : homes.front());
            CasePieceWidget *widget = group->add({index, p.identity, sources[index], 0});
            // The short name under the piece ("der(22)", "i(X)"); the karyotype above gives the rest.
            if (changed)
                widget->setCaption(p.identity.left(p.identity.indexOf(u')') + 1));
        }
    }
    karyogram->fitCase(folder, sources, true);
}
