// The splitter on real forms: the main window's card area (a bottom-aligned splitter above the
// bottom-aligned card panel) and its search pages (a top-aligned splitter under a constrained page
// control), dragged with synthetic input.
#include "widgets/TExSplitter.h"

#include <memory>

#include <gtest/gtest.h>

#include "support/Placed.h"
#include "support/WindowShot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TEdit.h"
#include "toolkit/TPanel.h"
#include "toolkit/TScreen.h"

namespace {

using testsupport::WindowShot;

// A 300 x 300 form: the list panel fills what the card panel and the splitter above it leave; a
// read-only edit on the list has the focus.
struct CardArea {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* card = tktest::placed<TPanel>(form.get());
    TExSplitter* splitter = tktest::placed<TExSplitter>(form.get());
    TPanel* list = tktest::placed<TPanel>(form.get());
    TEdit* edit = tktest::placed<TEdit>(list);
    int changing = 0;
    int changed = 0;
    bool allow = true;
    int keys = 0;

    explicit CardArea(int cardHeight = 100) {
        form->SetBounds(0, 0, 300, 300);
        card->SetAlign(alBottom);
        card->SetHeight(cardHeight);
        card->SetColor(clWhite);
        splitter->SetAlign(alBottom);
        list->SetAlign(alClient);
        list->SetColor(clRed);
        edit->SetBounds(10, 10, 100, 20);
        // No blinking caret, so that pictures taken apart in time agree.
        edit->SetReadOnly(true);
        edit->OnKeyDown = [this](TPersistent*, std::uint16_t&, TShiftState) { ++keys; };
        splitter->OnPosChanging = [this](TPersistent*, int, int, bool& AllowChange) {
            ++changing;
            AllowChange = allow;
        };
        splitter->OnPosChanged = [this](TPersistent*) { ++changed; };
        form->Show();
        // The edit's focus activates the form.
        form->SetActiveControl(edit);
        Application->ProcessMessages();
    }

    // Presses the splitter in its middle row and moves by dy in two steps.
    void startDrag(int dy) {
        tk::input::press(*splitter, mbLeft, 50, 1);
        tk::input::move(*splitter, 50, 1 + dy / 2);
        tk::input::move(*splitter, 50, 1 + dy);
        Application->ProcessMessages();
    }
    void release(int dy) {
        tk::input::release(*splitter, mbLeft, 50, 1 + dy);
        Application->ProcessMessages();
    }
};

// Whether the row shows the white XOR line: every probe inverted against the picture before.
bool lineAt(const WindowShot& before, const WindowShot& during, int y) {
    for (int x : {5, 150, 295})
        if (during.Pixel(x, y) != (before.Pixel(x, y) ^ 0xFFFFFF))
            return false;
    return true;
}

TEST(TExSplitterTest, DragUpMakesTheBottomPanelTallerAndLeavesNoLine) {
    // How the form looks laid out with the taller card from the start, while it is active.
    const std::unique_ptr<WindowShot> expected = [] {
        CardArea taller(130);
        return std::make_unique<WindowShot>(*taller.form);
    }();
    CardArea area;
    ASSERT_EQ(area.splitter->ControlFirst(), area.card);
    ASSERT_EQ(area.splitter->Top(), 197);
    const WindowShot before(*area.form);

    area.startDrag(-30);
    const WindowShot during(*area.form);
    // The line's row, 30 above the splitter's middle, across the list panel and the edit's column.
    EXPECT_TRUE(lineAt(before, during, 167) || lineAt(before, during, 168));
    EXPECT_FALSE(lineAt(before, during, 198)) << "the line left its first place";
    EXPECT_EQ(area.card->Height(), 100) << "nothing moves before the release";

    area.release(-30);
    EXPECT_EQ(area.card->Height(), 130);
    EXPECT_EQ(area.changing, 3) << "two moves and the release";
    EXPECT_EQ(area.changed, 1);
    EXPECT_TRUE(WindowShot(*area.form) == *expected);
}

// The left button holds the drag; releasing another button ends it, applied, and the left's
// release after it changes nothing more.
TEST(TExSplitterTest, AnyButtonsReleaseEndsTheDragAndAppliesIt) {
    for (TMouseButton button : {mbRight, mbMiddle}) {
        CardArea area;
        area.startDrag(-30);
        tk::input::press(*area.splitter, button, 50, -29);
        tk::input::release(*area.splitter, button, 50, -29);
        Application->ProcessMessages();
        EXPECT_EQ(area.card->Height(), 130) << button;
        EXPECT_EQ(area.changed, 1) << button;
        EXPECT_EQ(GetCaptureControl(), nullptr) << button;
        area.release(-40);
        EXPECT_EQ(area.card->Height(), 130) << button;
        EXPECT_EQ(area.changed, 1) << button;
    }
}

TEST(TExSplitterTest, LimitsAndRefusalsKeepTheLineAndShowNoDrop) {
    CardArea area;
    // Far past the top: the splitter's top edge stops 20 pixels inside the form.
    area.startDrag(-1000);
    EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
    area.release(-1000);
    EXPECT_EQ(area.card->Height(), 300 - 20 - 3);
    tk::input::move(*area.splitter, 50, 1);
    Application->ProcessMessages();
    EXPECT_EQ(GetCursor(), Screen->Cursors(crVSplit)) << "the splitter's own cursor once the capture ends";

    CardArea refused;
    refused.startDrag(-10);
    const WindowShot atTen(*refused.form);
    refused.allow = false;
    tk::input::move(*refused.splitter, 50, -40);
    Application->ProcessMessages();
    EXPECT_TRUE(WindowShot(*refused.form) == atTen) << "a refused move leaves the line where it was";
    EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
    refused.allow = true;
    tk::input::move(*refused.splitter, 50, -20);
    Application->ProcessMessages();
    EXPECT_EQ(GetCursor(), Screen->Cursors(crVSplit)) << "an allowed move within the limits brings the cursor back";
    refused.allow = false;
    refused.release(-40);
    EXPECT_EQ(refused.card->Height(), 121) << "a refused release resizes to where the line is";
    EXPECT_EQ(refused.changed, 1);

    // Without limits the new size stops 3 pixels short of the largest one.
    CardArea unlimited;
    unlimited.splitter->SetLimitOffset(0);
    unlimited.startDrag(-1000);
    unlimited.release(-1000);
    EXPECT_EQ(unlimited.card->Height(), 300 - 3 - 3);
}

TEST(TExSplitterTest, EscapeCancelsAndEveryBorrowedThingIsGivenBack) {
    CardArea area;
    Application->SetShowHint(true);
    const WindowShot before(*area.form);
    area.startDrag(-30);
    EXPECT_FALSE(Application->ShowHint());
    tk::input::key(*area.form, 'A', 0, 'a');
    Application->ProcessMessages();
    EXPECT_EQ(area.keys, 1) << "other keys reach the focused control's own handler";
    const int changingBefore = area.changing;
    tk::input::key(*area.form, VK_ESCAPE);
    area.release(-30);
    EXPECT_EQ(area.card->Height(), 100);
    EXPECT_EQ(area.changing, changingBefore);
    EXPECT_EQ(area.changed, 0);
    EXPECT_TRUE(Application->ShowHint());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_TRUE(WindowShot(*area.form) == before) << "the line is gone";
    tk::input::key(*area.form, 'B', 0, 'b');
    Application->ProcessMessages();
    EXPECT_EQ(area.keys, 2) << "the handler is back; the Escape that cancelled went no further";

    area.startDrag(-30);
    area.release(-30);
    EXPECT_TRUE(Application->ShowHint());
    tk::input::key(*area.form, 'C', 0, 'c');
    Application->ProcessMessages();
    EXPECT_EQ(area.keys, 3);

    // The focused control freed in mid-drag: the drag ends without touching it.
    area.startDrag(-30);
    delete area.edit;
    EXPECT_TRUE(Application->ShowHint());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    area.release(-30);
    EXPECT_EQ(area.card->Height(), 130);
    Application->SetShowHint(false);
}

TEST(TExSplitterTest, PartnerFreedMidDragEndsTheDragUnapplied) {
    // How the form looks without its card panel, never dragged.
    const std::unique_ptr<WindowShot> expected = [] {
        CardArea plain;
        delete plain.card;
        Application->ProcessMessages();
        return std::make_unique<WindowShot>(*plain.form);
    }();
    CardArea area;
    Application->SetShowHint(true);
    area.startDrag(-30);
    delete area.card;
    Application->ProcessMessages();
    EXPECT_EQ(area.splitter->ControlFirst(), nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_TRUE(Application->ShowHint());
    area.release(-30);
    EXPECT_EQ(area.changing, 2) << "the two moves; the release was no longer part of a drag";
    EXPECT_EQ(area.changed, 0);
    EXPECT_TRUE(WindowShot(*area.form) == *expected) << "the line is gone";
    tk::input::key(*area.form, 'A', 0, 'a');
    Application->ProcessMessages();
    EXPECT_EQ(area.keys, 1) << "the focused control has its own handler back";
    Application->SetShowHint(false);
}

TEST(TExSplitterTest, SetUpPicksControlsAndKeepsConstraints) {
    // The search pages: a top-aligned page control within 160..200 pixels above a client panel.
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 400);
    auto* pages = tktest::placed<TPanel>(&form);
    pages->SetAlign(alTop);
    pages->Constraints()->SetMinHeight(160);
    pages->Constraints()->SetMaxHeight(200);
    pages->SetHeight(180);
    auto* splitter = tktest::placed<TExSplitter>(&form);
    splitter->SetAlign(alTop);
    auto* rest = tktest::placed<TPanel>(&form);
    rest->SetAlign(alClient);
    splitter->SetControlSecond(rest);
    ASSERT_EQ(splitter->ControlFirst(), pages);
    EXPECT_EQ(splitter->Cursor(), crVSplit);
    form.Show();
    form.SetFocus();
    Application->ProcessMessages();
    for (const auto& [dy, height] : {std::pair{100, 200}, std::pair{-100, 160}}) {
        tk::input::press(*splitter, mbLeft, 50, 1);
        tk::input::move(*splitter, 50, 1 + dy);
        tk::input::release(*splitter, mbLeft, 50, 1 + dy);
        Application->ProcessMessages();
        EXPECT_EQ(pages->Height(), height) << dy;
        EXPECT_EQ(splitter->Top(), height);
    }

    // A fresh splitter aligned left takes 3 pixels and the panel on its left.
    TForm side(nullptr);
    side.SetBounds(0, 0, 300, 200);
    auto* left = tktest::placed<TPanel>(&side);
    left->SetAlign(alLeft);
    left->SetWidth(100);
    auto* divider = tktest::placed<TExSplitter>(&side);
    EXPECT_EQ(divider->Cursor(), crDefault);
    divider->SetAlign(alLeft);
    EXPECT_EQ(divider->Width(), 3);
    EXPECT_EQ(divider->ControlFirst(), left);
    side.Show();
    side.SetFocus();
    Application->ProcessMessages();
    tk::input::move(*divider, 1, 50);
    Application->ProcessMessages();
    EXPECT_EQ(GetCursor(), Screen->Cursors(crHSplit));

    // A form, or the splitter itself, is no control to resize; a freed control leaves no reference.
    divider->SetControlSecond(&side);
    EXPECT_EQ(divider->ControlSecond(), nullptr);
    divider->SetControlSecond(divider);
    EXPECT_EQ(divider->ControlSecond(), nullptr);
    delete left;
    EXPECT_EQ(divider->ControlFirst(), nullptr);
    EXPECT_EQ(divider->Cursor(), crDefault);
}

} // namespace
