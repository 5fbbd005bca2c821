// The small types every control shares: mouse buttons, shift states, alignment, anchors,
// cursors, modal results, virtual key codes and control styles.
#pragma once

#include <cstdint>

#include "toolkit/Exception.h"

// An operation the control's state does not allow (showing a visible form modally).
class EInvalidOperation : public Exception {
    using Exception::Exception;
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// A set of keys and buttons held during an input event; test with (Shift & ssCtrl).
using TShiftState = unsigned;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// Borders of forms (all of them) and of edits (bsNone or bsSingle).
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Sides of the parent a control keeps its distance to when the parent is resized.
using TAnchors = unsigned;
constexpr TAnchors akLeft = 0x01;
constexpr TAnchors akTop = 0x02;
constexpr TAnchors akRight = 0x04;
constexpr TAnchors akBottom = 0x08;

// Standard cursors are negative; the application registers its own under positive ids.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Controls take the look of the current desktop; there is no older look to fall back to.
inline constexpr bool NewStyleControls = true;

// What a drag started with BeginDrag is for: moving something onto a drop target, or docking.
enum TDragKind { dkDrag, dkDock };
// How a control's drag starts: only through BeginDrag, or by itself at a left press.
enum TDragMode { dmManual, dmAutomatic };
// Where a drag stands towards the control it is asked about: it came over it, moves over it, or
// left it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

// Control styles. csOpaque: the control paints its whole client area itself, so its background
// is never erased first. csClickEvents: a left press and release on it is a click.
// csDoubleClicks: a double click reaches it as one.
using TControlStyle = unsigned;
constexpr TControlStyle csOpaque = 0x01;
constexpr TControlStyle csClickEvents = 0x02;
constexpr TControlStyle csDoubleClicks = 0x04;

// Virtual key codes, as the key events carry them. Letters and digits are their upper-case
// ASCII codes ('A'..'Z', '0'..'9').
constexpr std::uint16_t VK_LBUTTON = 0x01;
constexpr std::uint16_t VK_RBUTTON = 0x02;
constexpr std::uint16_t VK_MBUTTON = 0x04;
constexpr std::uint16_t VK_BACK = 0x08;
constexpr std::uint16_t VK_TAB = 0x09;
constexpr std::uint16_t VK_RETURN = 0x0D;
constexpr std::uint16_t VK_SHIFT = 0x10;
constexpr std::uint16_t VK_CONTROL = 0x11;
constexpr std::uint16_t VK_MENU = 0x12;
constexpr std::uint16_t VK_ESCAPE = 0x1B;
constexpr std::uint16_t VK_SPACE = 0x20;
constexpr std::uint16_t VK_PRIOR = 0x21;
constexpr std::uint16_t VK_NEXT = 0x22;
constexpr std::uint16_t VK_END = 0x23;
constexpr std::uint16_t VK_HOME = 0x24;
constexpr std::uint16_t VK_LEFT = 0x25;
constexpr std::uint16_t VK_UP = 0x26;
constexpr std::uint16_t VK_RIGHT = 0x27;
constexpr std::uint16_t VK_DOWN = 0x28;
constexpr std::uint16_t VK_INSERT = 0x2D;
constexpr std::uint16_t VK_DELETE = 0x2E;
constexpr std::uint16_t VK_ADD = 0x6B;
constexpr std::uint16_t VK_SUBTRACT = 0x6D;
constexpr std::uint16_t VK_F1 = 0x70;
constexpr std::uint16_t VK_F2 = 0x71;

// The short cut of a menu item: a virtual key with scShift, scCtrl or scAlt added.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
