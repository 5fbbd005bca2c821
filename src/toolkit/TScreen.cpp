// Cursors: standard ids map to Qt's cursor shapes; application ids to cursors loaded from the
// program's cursor resources. A change is applied to the window at once, so it shows also while
// a modal loop runs inside a mouse handler. The screen cursor going back to crDefault is shown
// when the message loop next runs: a busy cursor set again before then (every query of a long
// fill shows its own wait cursor and puts the busy one back) stays up without a round trip to
// the window system for each.
#include "toolkit/TScreen.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QImage>
#include <QScreen>
#include <map>
#include <utility>

#include "toolkit/TForm.h"
#include "toolkit/TResourceStream.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TScreen_p.h"
#include "toolkit/WinApi.h"
#include "toolkit/WindowRegistry_p.h"

namespace {

TScreen screenObject;

// Handles of the standard cursors: this bit and the negated id.
constexpr HCURSOR standardHandle = 0x80000000u;

struct CursorTable {
    std::map<HCURSOR, QCursor> loaded;
    std::map<TCursor, HCURSOR> registered;
    HCURSOR next = 1;
};

CursorTable& cursorTable() {
    static CursorTable* table = new CursorTable;
    return *table;
}

// The screen cursor the windows show, and whether going back to crDefault waits for the loop.
struct ShownScreenCursor {
    TCursor shown = crDefault;
    bool restorePending = false;
};

ShownScreenCursor& shownScreenCursor() {
    static ShownScreenCursor shown;
    return shown;
}

bool standardShape(TCursor id, Qt::CursorShape& shape) {
    static const std::map<TCursor, Qt::CursorShape> shapes = {
        {crDefault, Qt::ArrowCursor},   {crNone, Qt::BlankCursor},       {crArrow, Qt::ArrowCursor},
        {crCross, Qt::CrossCursor},     {crIBeam, Qt::IBeamCursor},      {crSizeNESW, Qt::SizeBDiagCursor},
        {crSizeNS, Qt::SizeVerCursor},  {crSizeNWSE, Qt::SizeFDiagCursor}, {crSizeWE, Qt::SizeHorCursor},
        {crUpArrow, Qt::UpArrowCursor}, {crHourGlass, Qt::WaitCursor},   {crDrag, Qt::DragMoveCursor},
        {crNoDrop, Qt::ForbiddenCursor}, {crHSplit, Qt::SplitHCursor},   {crVSplit, Qt::SplitVCursor},
        {crHandPoint, Qt::PointingHandCursor}, {crSizeAll, Qt::SizeAllCursor},
    };
    const auto it = shapes.find(id);
    if (it == shapes.end())
        return false;
    shape = it->second;
    return true;
}

// A cursor resource file: the image the image reader gives, and the hotspot of the first entry
// of the header (reserved 0, type 2, count, then per entry width, height, colours, reserved,
// hotspot x, hotspot y as little-endian 16-bit words).
bool readCursorFile(const QByteArray& bytes, QImage& image, QPoint& hotspot) {
    if (bytes.size() < 22)
        return false;
    const auto byte = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    if (byte(0) != 0 || byte(1) != 0 || byte(2) != 2 || byte(3) != 0)
        return false;
    hotspot = QPoint(byte(10) | (byte(11) << 8), byte(12) | (byte(13) << 8));
    image = QImage::fromData(bytes, "CUR");
    if (image.isNull()) {
        // Readers that know only icons take the same file as type 1.
        QByteArray asIcon = bytes;
        asIcon[2] = 1;
        image = QImage::fromData(asIcon, "ICO");
    }
    return !image.isNull();
}

HCURSOR& chosenCursor() {
    static HCURSOR chosen = 0;
    return chosen;
}

} // namespace

TScreen* Screen = &screenObject;

HCURSOR SetCursor(HCURSOR Cursor) {
    // Outside a negotiation (none runs while the mouse is held) the choice shows at once.
    if (TControl* holder = tk::inputState().capture; holder != nullptr && Cursor != 0) {
        holder->peer().showCursor(tk::qCursorOfHandle(Cursor));
        tk::inputState().heldCursor = true;
    }
    return std::exchange(chosenCursor(), Cursor);
}

HCURSOR GetCursor() {
    if (QCoreApplication::instance() == nullptr)
        return 0;
    if (const QCursor* screen = QApplication::overrideCursor())
        return tk::handleOfCursor(*screen);
    const tk::InputState& input = tk::inputState();
    const QWidget* widget = input.capture != nullptr ? input.capture->peer().widget()
                            : input.cursorKnown      ? QApplication::widgetAt(input.cursor)
                                                     : nullptr;
    return widget == nullptr ? 0 : tk::handleOfCursor(widget->cursor());
}

HCURSOR LoadCursor(HINSTANCE, const char* Name) {
    const AnsiString path = Name != nullptr ? FindResource(RT_CURSOR, Name) : AnsiString();
    QFile file(QString::fromStdString(path));
    if (path.empty() || !file.open(QIODevice::ReadOnly))
        return 0;
    QImage image;
    QPoint hotspot;
    if (!readCursorFile(file.readAll(), image, hotspot))
        return 0;
    CursorTable& table = cursorTable();
    const HCURSOR handle = table.next++;
    table.loaded.emplace(handle, QCursor(QPixmap::fromImage(image), hotspot.x(), hotspot.y()));
    return handle;
}

void TScreen::SetCursor(TCursor Value) {
    cursor_ = Value;
    if (QCoreApplication::instance() == nullptr)
        return;
    ShownScreenCursor& shown = shownScreenCursor();
    if (Value == crDefault) {
        if (shown.shown == crDefault || shown.restorePending)
            return;
        shown.restorePending = true;
        QTimer::singleShot(0, qApp, [this] {
            ShownScreenCursor& pending = shownScreenCursor();
            pending.restorePending = false;
            if (cursor_ != crDefault)
                return;
            while (QApplication::overrideCursor() != nullptr)
                QApplication::restoreOverrideCursor();
            pending.shown = crDefault;
        });
        return;
    }
    if (Value == shown.shown)
        return;
    if (shown.shown == crDefault)
        QApplication::setOverrideCursor(tk::qCursor(Value));
    else
        QApplication::changeOverrideCursor(tk::qCursor(Value));
    shown.shown = Value;
}

HCURSOR TScreen::Cursors(TCursor Index) const {
    Qt::CursorShape shape;
    if (standardShape(Index, shape))
        return standardHandle | HCURSOR(-Index);
    const auto& registered = cursorTable().registered;
    const auto it = registered.find(Index);
    return it == registered.end() ? 0 : it->second;
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
    auto& registered = cursorTable().registered;
    if (Handle == 0)
        registered.erase(Index);
    else
        registered[Index] = Handle;
}

int TScreen::Width() const { return QGuiApplication::primaryScreen()->geometry().width(); }

int TScreen::Height() const { return QGuiApplication::primaryScreen()->geometry().height(); }

TForm* TScreen::ActiveForm() const { return dynamic_cast<TForm*>(tk::windowFromHandle(GetActiveWindow())); }

namespace tk {

QCursor qCursor(TCursor id) { return qCursorOfHandle(Screen->Cursors(id)); }

HCURSOR takeChosenCursor() { return std::exchange(chosenCursor(), 0); }

HCURSOR handleOfCursor(const QCursor& cursor) {
    if (cursor.shape() != Qt::BitmapCursor) {
        // The arrow stands for crDefault and crArrow alike; it answers as crArrow.
        for (TCursor id = crNone; id >= crSizeAll; --id) {
            Qt::CursorShape shape;
            if (standardShape(id, shape) && shape == cursor.shape())
                return standardHandle | HCURSOR(-id);
        }
        return 0;
    }
    for (const auto& [handle, loaded] : cursorTable().loaded)
        if (loaded.pixmap().cacheKey() == cursor.pixmap().cacheKey())
            return handle;
    return 0;
}

QCursor qCursorOfHandle(HCURSOR handle) {
    Qt::CursorShape shape;
    if ((handle & standardHandle) && standardShape(-TCursor(handle & ~standardHandle), shape))
        return QCursor(shape);
    const CursorTable& table = cursorTable();
    const auto image = table.loaded.find(handle);
    return image == table.loaded.end() ? QCursor(Qt::ArrowCursor) : image->second;
}

void applyCursor(QWidget& widget, TCursor id) {
    if (id == crDefault)
        widget.unsetCursor();
    else
        widget.setCursor(qCursor(id));
}

} // namespace tk
