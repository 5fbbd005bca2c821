// The saved levels live in the canvas's own state, so they go with the canvas.
#include "toolkit/DeviceContext.h"

#include "toolkit/TCanvas.h"
#include "toolkit/TCanvas_p.h"

int SaveDC(TCanvas& Canvas) {
    tk::CanvasImpl& canvas = Canvas.Impl();
    tk::SavedCanvasState& state = canvas.saved.emplace_back();
    state.pen.Assign(canvas.pen);
    state.brush.Assign(canvas.brush);
    state.font.Assign(canvas.font);
    state.copyMode = canvas.copyMode;
    state.clipped = canvas.clipped;
    state.clip = canvas.clip;
    return static_cast<int>(canvas.saved.size());
}

bool RestoreDC(TCanvas& Canvas, int SavedDC) {
    tk::CanvasImpl& canvas = Canvas.Impl();
    const int levels = static_cast<int>(canvas.saved.size());
    const int level = SavedDC < 0 ? levels + 1 + SavedDC : SavedDC;
    if (SavedDC == 0 || level < 1 || level > levels) return false;
    const tk::SavedCanvasState& state = canvas.saved[static_cast<std::size_t>(level - 1)];
    canvas.pen.Assign(state.pen);
    canvas.brush.Assign(state.brush);
    canvas.font.Assign(state.font);
    canvas.copyMode = state.copyMode;
    canvas.clipped = state.clipped;
    canvas.clip = state.clip;
    canvas.saved.resize(static_cast<std::size_t>(level - 1));
    return true;
}

TColor GetNearestColor(TCanvas& /*Canvas*/, TColor Color) { return ColorToRGB(Color); }
