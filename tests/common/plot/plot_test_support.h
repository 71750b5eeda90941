// Reading a rendered plot back: where the pixels of a colour are.
#pragma once

#include "common/plot/plot.h"

#include <QColor>
#include <QImage>
#include <vector>

namespace vorla::plot::testing {

inline QColor ToQColor(Rgb colour) {
    return {colour.Red, colour.Green, colour.Blue};
}

inline bool Is(const QImage& image, int x, int y, Rgb colour) {
    return image.pixelColor(x, y) == ToQColor(colour);
}

// Columns (rows) where most of the picture's pixels of `colour` stand: the
// vertical (horizontal) grid lines when `colour` is the grid's.
inline std::vector<int> FullColumns(const QImage& image, Rgb colour, int least) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            count += Is(image, x, y, colour) ? 1 : 0;
        }
        if (count >= least) {
            columns.push_back(x);
        }
    }
    return columns;
}

inline std::vector<int> FullRows(const QImage& image, Rgb colour, int least) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) {
            count += Is(image, x, y, colour) ? 1 : 0;
        }
        if (count >= least) {
            rows.push_back(y);
        }
    }
    return rows;
}

struct PixelBox {
    int Count = 0;
    int Left = 1 << 30, Right = -1, Top = 1 << 30, Bottom = -1;
    double CentreX() const { return (Left + Right) / 2.0; }
    double CentreY() const { return (Top + Bottom) / 2.0; }
};

// The bounding box of the pixels of `colour` within columns [x0, x1).
inline PixelBox PixelsOf(const QImage& image, Rgb colour, int x0 = 0, int x1 = -1) {
    PixelBox box;
    if (x1 < 0) {
        x1 = image.width();
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = x0; x < x1; ++x) {
            if (Is(image, x, y, colour)) {
                ++box.Count;
                box.Left = std::min(box.Left, x);
                box.Right = std::max(box.Right, x);
                box.Top = std::min(box.Top, y);
                box.Bottom = std::max(box.Bottom, y);
            }
        }
    }
    return box;
}

} // namespace vorla::plot::testing
