// The pixels inside filled figures, by the platform's rule: a pixel belongs to the area when the
// point of its coordinates does, a point on an edge going with the area to its right or below.
// Worked out row by row in exact integer arithmetic, only over the rows of a window.
#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <span>
#include <vector>

namespace tk {

// The pixels left to right of one row of a filled area, both ends included.
struct PixelSpan {
    int y = 0;
    int left = 0;
    int right = 0;
};

// Collects figures (closed polygons on integer corners) and turns them into the spans of pixels
// inside them. Pixels are points of the lattice the corners lie on, so an outline walked through
// the same corners passes through them: a span starts at the first pixel at or right of an edge
// and ends before the next edge, and each figure's bottom row is left to its outline.
class PolygonSpans {
public:
    void clear() { edges_.clear(); }
    // A figure through corners, closed from the last corner back to the first.
    void addFigure(std::span<const QPoint> corners);
    // The spans inside the figures under rule that fall in window, row by row from the top; valid
    // until the next call.
    std::span<const PixelSpan> spans(const QRect& window, Qt::FillRule rule);

private:
    // A non-horizontal edge, from its upper end (topX, top) down to the row bottom, which it
    // no longer crosses. At the current row it crosses at x = (first pixel) - remainder / height.
    struct Edge {
        int top = 0;
        int bottom = 0;
        int topX = 0;
        int winding = 0;            // +1 for an edge running down, -1 for one running up
        std::int64_t height = 0;    // bottom - top
        std::int64_t step = 0;      // floor(width / height): the whole pixels x moves per row
        std::int64_t extra = 0;     // width - step * height
        std::int64_t first = 0;     // the first pixel at or right of the crossing
        std::int64_t remainder = 0; // in [0, height)
    };

    static void startAt(Edge& edge, int y);
    static void stepDown(Edge& edge);

    std::vector<Edge> edges_;
    std::vector<Edge*> active_;
    std::vector<PixelSpan> spans_;
};

} // namespace tk
