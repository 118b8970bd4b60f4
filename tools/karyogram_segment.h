#pragma once
// Finding the chromosomes of a karyogram picture: background flattened, labels, lines and specks
// told apart from chromosomes, broken chromosomes and lifted satellites joined again, rows found
// and the picture turned level. Picture in, pieces out; nothing here reads or writes files.
#include <QImage>
#include <QString>
#include <opencv2/core.hpp>

#include <vector>

namespace korven {

// Something in the picture that was not taken as (part of) a chromosome.
enum class DroppedKind { Line, Text, Speck, Colour };

struct DroppedPiece {
    cv::Rect box;
    DroppedKind kind = DroppedKind::Speck;
};

struct FoundChromosome {
    cv::Rect box;  // in Segmentation::picture
    cv::Mat mask;  // box-sized CV_8U, 255 where the chromosome is (holes and breaks closed)
    int row = 0;   // 0-based, top to bottom
    int parts = 1; // pieces it was put together from (fragments and satellites)
};

struct Segmentation {
    cv::Mat picture;          // the picture in grey, turned level, background flattened to 255
    double tiltDegrees = 0;   // the picture was turned back by this much
    bool inverted = false;    // the picture had a dark background and was inverted
    bool croppedToSheet = false; // the picture was a photo of a sheet, cut out and straightened
    double thickness = 0;     // typical chromosome width, pixels
    std::vector<FoundChromosome> chromosomes; // reading order: rows top to bottom, left to right
    std::vector<int> rowCounts;               // chromosomes found in each row
    std::vector<DroppedPiece> dropped;
};

// Finds the chromosomes of a karyogram picture (any format, grey or colour). A picture handed over
// (moved) lends its memory to the analysis.
Segmentation segmentKaryogram(QImage picture);

// The background of a grey picture made 255 (uneven lighting evened out), the chromosomes kept
// at their own grey. Small pictures (single bitmaps) take the grey of their frame as background.
cv::Mat flattenBackground(const cv::Mat &grey);

// Chromosome i of a segmentation as a bitmap: its own grey pixels (at most 254), every pixel
// outside it 255, a white margin of `margin` pixels on each side.
QImage chromosomeBitmap(const Segmentation &segmentation, int index, int margin = 3);

// How many chromosomes a single-chromosome bitmap holds (broken pieces and satellites count as
// part of one), and the height of the largest. For checking bitmaps of a problem set.
struct BitmapContent {
    int chromosomes = 0;
    int height = 0; // of the largest chromosome
};
BitmapContent inspectBitmap(const QImage &bitmap);

// A single-chromosome picture as KORVEN wants it: the chromosome (with its satellites and specks)
// in its own grey, at most 254, everything else pure white; the size is kept.
QImage whitenedPiece(const QImage &picture);

// Whether two sex chromosomes' lengths differ clearly (an X and a Y rather than two X).
bool lengthsDifferClearly(int a, int b);

// "line", "label or title", "speck", "colour mark".
QString droppedKindName(DroppedKind kind);

} // namespace korven
