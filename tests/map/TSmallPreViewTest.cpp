#include "map/TSmallPreView.h"

#include <memory>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/TDataMap.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

using mapfixture::addObject;
using mapfixture::rectangle;

// A shown form with a 200 x 100 map over the extent 0..1000 x 0..500 and a 100 x 50 preview of
// it: a preview pixel is ten world units, with the world origin at its top-left pixel.
struct Fixture {
    TForm form{nullptr};
    TDataMap* map = new TDataMap(&form);
    TSmallPreView* preview = new TSmallPreView(&form);
    int drawn = 0; // objects drawn, by the map or for the preview

    Fixture() {
        form.SetBounds(50, 50, 400, 300);
        map->SetParent(&form);
        map->SetBounds(0, 0, 200, 100);
        map->Options()->SetmpGuideLines(false);
        preview->SetParent(&form);
        preview->SetBounds(250, 0, 100, 50);
        addObject(*map, rectangle(0, 0, 100, 100, clRed));
        addObject(*map, rectangle(900, 400, 1000, 500, clRed));
        map->OnPaintObject = [this](const TKEXMapObjectMem&, TPen*, TBrush*) { ++drawn; };
        map->SetSmallView(preview);
        form.Show();
        Application->ProcessMessages();
    }

    mapi::WorldPoint centre() { return map->CalcViewCenter(); }
};

TEST(TSmallPreViewTest, AResizeRendersAnewAndAPlainRepaintOnlyCopies) {
    Fixture f;
    f.preview->Repaint();
    EXPECT_EQ(f.preview->Picture()->Bitmap()->Width(), 100);
    f.drawn = 0;
    f.preview->Repaint();
    EXPECT_EQ(f.drawn, 0);
    f.preview->SetBounds(250, 0, 200, 100);
    f.preview->Repaint();
    EXPECT_EQ(f.drawn, 2);
    EXPECT_EQ(f.preview->Picture()->Bitmap()->Width(), 200);
    EXPECT_EQ(f.preview->GetCanvas()->Pixels(195, 95), clRed);
}

TEST(TSmallPreViewTest, ALeftPressAndDragMoveTheMapAndOtherButtonsDoNothing) {
    Fixture f;
    tk::input::press(*f.preview, mbRight, 10, 10);
    tk::input::release(*f.preview, mbRight, 10, 10);
    Application->ProcessMessages();
    EXPECT_FLOAT_EQ(f.centre().x, 100);
    EXPECT_FLOAT_EQ(f.centre().y, 50);

    tk::input::press(*f.preview, mbLeft, 50, 25);
    Application->ProcessMessages();
    EXPECT_FLOAT_EQ(f.centre().x, 500);
    EXPECT_FLOAT_EQ(f.centre().y, 250);
    tk::input::move(*f.preview, 60, 30, ssLeft);
    Application->ProcessMessages();
    EXPECT_FLOAT_EQ(f.centre().x, 600);
    EXPECT_FLOAT_EQ(f.centre().y, 300);
    tk::input::release(*f.preview, mbLeft, 60, 30);
    tk::input::move(*f.preview, 10, 10);
    Application->ProcessMessages();
    EXPECT_FLOAT_EQ(f.centre().x, 600);
}

TEST(TSmallPreViewTest, APreviewLeavesItsMapWhenTakenFromItsOwner) {
    Fixture f;
    auto* preview = f.preview;
    f.form.RemoveComponent(preview);
    EXPECT_EQ(f.map->SmallView(), nullptr);
    EXPECT_EQ(preview->Map(), nullptr);
    delete preview;
}

} // namespace
