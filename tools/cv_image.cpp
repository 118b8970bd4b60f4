#include "tools/cv_image.h"

#include <QColorSpace>
#include <QPainter>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace korven {

cv::Mat toGreyMat(const QImage &image)
{
    QImage opaque = image;
    if (image.hasAlphaChannel()) {
        // Transparent parts are background: lay the picture on white before dropping the alpha.
        opaque = QImage(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    // Converted in bands of rows read in place, so that no second picture of the full size is
    // made on the way (each fresh page of a large buffer costs a page fault).
    constexpr int Band = 64; // rows converted at a time
    cv::Mat mat(opaque.height(), opaque.width(), CV_8UC1);
    for (int top = 0; top < opaque.height(); top += Band) {
        const int rows = std::min(Band, opaque.height() - top);
        QImage band(opaque.constScanLine(top), opaque.width(), rows, opaque.bytesPerLine(), opaque.format());
        if (!opaque.colorTable().isEmpty())
            band.setColorTable(opaque.colorTable());
        if (opaque.colorSpace().isValid())
            band.setColorSpace(opaque.colorSpace());
        const QImage grey = band.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < rows; ++y)
            std::memcpy(mat.ptr(top + y), grey.constScanLine(y), size_t(grey.width()));
    }
    return mat;
}

cv::Mat toBgrMat(const QImage &image)
{
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    cv::Mat mat(bgr.height(), bgr.width(), CV_8UC3);
    for (int y = 0; y < bgr.height(); ++y)
        std::memcpy(mat.ptr(y), bgr.constScanLine(y), size_t(bgr.width()) * 3);
    return mat;
}

cv::Mat colourPixels(const QImage &image)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    if (image.format() == QImage::Format_RGB32)
        return cv::Mat(image.height(), image.width(), CV_8UC4, const_cast<uchar *>(image.constBits()),
                       size_t(image.bytesPerLine()));
#endif
    return toBgrMat(image);
}

QImage toQImage(const cv::Mat &mat)
{
    if (mat.depth() != CV_8U || (mat.channels() != 1 && mat.channels() != 3))
        throw std::invalid_argument("toQImage: only 8-bit matrices of one or three channels");
    const bool grey = mat.channels() == 1;
    QImage image(mat.cols, mat.rows, grey ? QImage::Format_Grayscale8 : QImage::Format_BGR888);
    for (int y = 0; y < mat.rows; ++y)
        std::memcpy(image.scanLine(y), mat.ptr(y), size_t(mat.cols) * mat.channels());
    return grey ? image : image.convertToFormat(QImage::Format_RGB888);
}

} // namespace korven
