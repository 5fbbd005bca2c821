// The grids' scroll bars: two Qt scroll bars laid along the right and bottom edges of the grid's
// widget, set by the grid without echo and reporting only the user's moves.
#pragma once

#include <functional>

class QScrollBar;
class QWidget;

namespace tk {

class GridScrollBars {
public:
    // moved(vertical, position) runs when the user moves a bar.
    GridScrollBars(QWidget* parent, std::function<void(bool, int)> moved);
    GridScrollBars(const GridScrollBars&) = delete;
    GridScrollBars& operator=(const GridScrollBars&) = delete;

    // Shows the bar over min .. max with the given page and position, or hides it.
    void set(bool vertical, bool shown, int min, int max, int page, int position);
    bool shown(bool vertical) const;
    // The bars' thickness in pixels.
    int thickness() const;
    // With tracking the thumb reports every step of a drag, else only where it is let go.
    void setTracking(bool tracking);
    // Lays the shown bars along the edges after a resize.
    void place();

private:
    QWidget* parent_;
    QScrollBar* vertical_;
    QScrollBar* horizontal_;
};

} // namespace tk
