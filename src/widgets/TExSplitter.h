// The splitter: a thin panel between aligned controls. Dragging it with the left button shows an
// inverted line that follows the mouse within limits; the release resizes the control the
// splitter belongs to, Escape cancels.
#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/TCustomPanel.h"

class TCanvas;
class TForm;

// During a drag and on its release; clearing AllowChange refuses the position.
using TSplitterMoveEvent = std::function<void(TPersistent* Sender, int X, int Y, bool& AllowChange)>;

class TExSplitter : public TCustomPanel {
public:
    explicit TExSplitter(TComponent* AOwner);
    // A drag still running is cancelled first.
    ~TExSplitter() override;

    // The controls a drag resizes, by their aligns and the splitter's (the kinds in the .cpp).
    // The splitter itself or a form is stored as none.
    TControl* ControlFirst() const { return controlFirst_; }
    void SetControlFirst(TControl* Value);
    TControl* ControlSecond() const { return controlSecond_; }
    void SetControlSecond(TControl* Value);

    // Hides the control's setter: from no align or alClient the splitter takes its 3-pixel size,
    // and without controls it takes the sibling it touches on its aligned side as ControlFirst.
    void SetAlign(TAlign Value);
    // Hides the control's getter: the split cursor of the splitter's kind (crDefault when a drag
    // would change nothing).
    TCursor Cursor() const;

    // Distances the splitter keeps from the parent's client edges during a drag.
    int TopLeftLimit() const { return topLeftLimit_; }
    void SetTopLeftLimit(int Value) { topLeftLimit_ = Value; }
    int BottomRightLimit() const { return bottomRightLimit_; }
    void SetBottomRightLimit(int Value) { bottomRightLimit_ = Value; }
    // Both limits at once, for layout code.
    void SetLimitOffset(int Value);

    TNotifyEvent OnPosChanged;
    TSplitterMoveEvent OnPosChanging;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int splitterKind() const;
    bool resizesHeight() const { return kind_ == 1 || kind_ == 2; }
    void setControl(TControl*& slot, TControl* value);
    TControl* touchingSibling() const;
    void startDrag(int x, int y);
    // Ends a running drag: applied on a release, cancelled otherwise (Escape, a lost capture, a
    // freed partner).
    void endDrag(bool apply, int x, int y);
    void applyDrag(int x, int y);
    void clip(int& x, int& y) const;
    void hookedKeyDown(TPersistent* sender, std::uint16_t& key, TShiftState shift);
    // The line, at a point in own client coordinates.
    TPoint linePoint(TPoint client) const;
    void drawLine(TPoint screen);
    void showLine(TPoint client);
    void moveLine(TPoint client);
    void hideLine();

    TControl* controlFirst_ = nullptr;
    TControl* controlSecond_ = nullptr;
    bool sizing_ = false;
    int kind_ = 0;
    // Where the line shows, on the screen; valid while lineShown_.
    TPoint linePos_;
    bool lineShown_ = false;
    TPoint downPos_;
    bool noDrop_ = false;
    TRect limit_;
    int topLeftLimit_ = 20;
    int bottomRightLimit_ = 20;
    TForm* drawingForm_ = nullptr;
    TCanvas* lineCanvas_ = nullptr;
    TWinControl* keyHooked_ = nullptr;
    bool savedShowHint_ = false;
    TKeyEvent savedKeyDown_;
};
