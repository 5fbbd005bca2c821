// Scanline filling of polygons: an active edge list walked down the rows of the window, each
// edge's crossing carried from row to row as a whole part and a remainder, so that no row divides
// and coordinates across the whole integer range stay exact.
#include "toolkit/PolygonSpans_p.h"

#include <algorithm>

namespace tk {

void PolygonSpans::addFigure(std::span<const QPoint> corners) {
    for (size_t i = 0; i < corners.size(); ++i) {
        const QPoint from = corners[i];
        const QPoint to = corners[(i + 1) % corners.size()];
        if (from.y() == to.y()) continue;
        const bool down = from.y() < to.y();
        const QPoint upper = down ? from : to;
        const QPoint lower = down ? to : from;
        Edge edge;
        edge.top = upper.y();
        edge.bottom = lower.y();
        edge.topX = upper.x();
        edge.winding = down ? 1 : -1;
        edge.height = std::int64_t{lower.y()} - upper.y();
        const std::int64_t width = std::int64_t{lower.x()} - upper.x();
        edge.step = width / edge.height;
        if (width % edge.height < 0) --edge.step;
        edge.extra = width - edge.step * edge.height;
        edges_.push_back(edge);
    }
}

// The crossing at row y is topX + (y - top) * width / height; its product can exceed 64 bits.
void PolygonSpans::startAt(Edge& edge, int y) {
    const __int128 width = static_cast<__int128>(edge.step) * edge.height + edge.extra;
    const __int128 along = static_cast<__int128>(std::int64_t{y} - edge.top) * width;
    __int128 whole = along / edge.height;
    if (along % edge.height > 0) ++whole;
    edge.first = edge.topX + static_cast<std::int64_t>(whole);
    edge.remainder = static_cast<std::int64_t>(whole * edge.height - along);
}

void PolygonSpans::stepDown(Edge& edge) {
    const std::int64_t carry = edge.extra - edge.remainder;
    if (carry <= 0) {
        edge.first += edge.step;
        edge.remainder = -carry;
        return;
    }
    edge.first += edge.step + 1;
    edge.remainder = edge.height - carry;
}

std::span<const PixelSpan> PolygonSpans::spans(const QRect& window, Qt::FillRule rule) {
    spans_.clear();
    if (edges_.empty() || window.isEmpty()) return spans_;
    std::sort(edges_.begin(), edges_.end(), [](const Edge& a, const Edge& b) { return a.top < b.top; });
    int lowest = edges_.front().bottom;
    for (const Edge& edge : edges_) lowest = std::max(lowest, edge.bottom);
    const int firstRow = std::max(edges_.front().top, window.top());
    const int lastRow = std::min(lowest - 1, window.bottom());
    const auto isInside = [rule](int winding) { return rule == Qt::WindingFill ? winding != 0 : (winding & 1) != 0; };
    active_.clear();
    size_t next = 0;
    for (int y = firstRow; y <= lastRow; ++y) {
        std::erase_if(active_, [y](const Edge* edge) { return edge->bottom <= y; });
        for (; next < edges_.size() && edges_[next].top <= y; ++next) {
            Edge& edge = edges_[next];
            if (edge.bottom <= y) continue;
            startAt(edge, y);
            active_.push_back(&edge);
        }
        // Crossings move little from row to row, so the list stays nearly sorted.
        for (size_t i = 1; i < active_.size(); ++i) {
            Edge* const edge = active_[i];
            size_t j = i;
            for (; j > 0 && active_[j - 1]->first > edge->first; --j) active_[j] = active_[j - 1];
            active_[j] = edge;
        }
        int winding = 0;
        std::int64_t start = 0;
        for (Edge* edge : active_) {
            const bool wasInside = isInside(winding);
            winding += edge->winding;
            if (!wasInside && isInside(winding)) start = edge->first;
            if (wasInside && !isInside(winding)) {
                const std::int64_t left = std::max<std::int64_t>(start, window.left());
                const std::int64_t right = std::min<std::int64_t>(edge->first - 1, window.right());
                if (left <= right) spans_.push_back({y, static_cast<int>(left), static_cast<int>(right)});
            }
            stepDown(*edge);
        }
    }
    return spans_;
}

} // namespace tk
