#pragma once
// The answer's ideograms: for each structural abnormality of cell 1, the normal chromosomes it was
// made from at the case's band level, each breakpoint marked in red with its band name, and where
// the trainee wrote the same abnormality with another breakpoint, that one in blue beside it.
#include "cases/case_sources.h"
#include "iscn/ideogram_layout.h"

#include <QWidget>

class SourceIdeogramsView : public QWidget {
    Q_OBJECT
public:
    explicit SourceIdeogramsView(QWidget *parent = nullptr);

    struct Mark {
        QString label; // "q11.2"
        double y = 0;  // pixels
        bool given = false; // the trainee's breakpoint, where it differs from the true one
    };
    struct Drawn {
        QString chromosome;
        QList<korven::iscn::IdeogramQuad> bands;
        double x = 0, top = 0, bottom = 0; // pixels: the middle line, the ends
        QList<Mark> marks;
    };
    struct Panel {
        QString title; // the abnormality as written
        double top = 0;
        QList<Drawn> ideograms;
    };

    // Lays out the ideograms of `sources` at `level`; a chromosome or band the tables lack is drawn
    // without it rather than refused, since the case was checked when it was made.
    // `given` are the trainee's abnormalities: one with the same source chromosomes adds its
    // breakpoints that differ from the true ones.
    void setSources(const QList<korven::AbnormalSources> &sources, int level,
                    const QList<korven::AbnormalSources> &given = {});
    const QList<Panel> &panels() const { return panels_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Panel> panels_;
    QSize size_;
};
