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
// it: a preview pixel is ten world units, with the world origin at its top-left pixel. The two
// red squares at the extent's corners are left out of a map that starts empty.
struct Fixture {
    TForm form{nullptr};
    TDataMap* map = new TDataMap(&form);
    TSmallPreView* preview = new TSmallPreView(&form);
    int drawn = 0; // objects drawn, by the map or for the preview

    static TKEXMapObjectMem square(int corner) {
        const float x = 900.0f * static_cast<float>(corner);
        const float y = 400.0f * static_cast<float>(corner);
        return rectangle(x, y, x + 100, y + 100, clRed);
    }

    explicit Fixture(bool empty = false) {
        form.SetBounds(50, 50, 400, 300);
        map->SetParent(&form);
        map->SetBounds(0, 0, 200, 100);
        map->Options()->SetmpGuideLines(false);
        preview->SetParent(&form);
        preview->SetBounds(250, 0, 100, 50);
        if (!empty) {
            addObject(*map, square(0));
            addObject(*map, square(1));
        }
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

// Painted while its map had nothing to show, the preview renders at its first paint after
// objects arrive.
TEST(TSmallPreViewTest, APreviewPaintedWhileItsMapWasEmptyRendersOnceObjectsArrive) {
    Fixture f(/*empty=*/true);
    f.preview->Repaint();
    for (int corner = 0; corner < 2; ++corner)
        mapfixture::postNew(*f.map, Fixture::square(corner));
    f.preview->Repaint();
    EXPECT_EQ(f.preview->Picture()->Bitmap()->Width(), 100);
    EXPECT_EQ(f.preview->GetCanvas()->Pixels(95, 45), clRed);
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
