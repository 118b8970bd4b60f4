#pragma once
// The magnifier's loupe: an enlarged copy of one piece beside the pointer. It lies over the
// exercise window and lets every click, drag and wheel turn through to what lies below.
#include "exercise/piece_picture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <optional>

class Magnifier : public QWidget {
    Q_OBJECT
public:
    static constexpr int Border = 4; // white margin inside the frame

    explicit Magnifier(QWidget *parent);

    // Draws `source` at the given scale and turn for the given device pixel ratio and takes the
    // size that shows it; nothing is drawn again while all four stay the same.
    void setPicture(const QImage &source, float scale, std::optional<float> angle, qreal ratio);
    const korven::PiecePicture &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    korven::PiecePicture picture_;
    QPixmap pixmap_;
    qint64 sourceKey_ = 0;
    qreal ratio_ = 0.0;
};
