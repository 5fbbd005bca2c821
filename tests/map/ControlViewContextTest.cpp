#include "map/ControlViewContext.h"

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"

namespace {

TEST(ControlViewContextTest, AnswersFromTheControlsOptionsScaleAndIcons) {
    auto map = mapfixture::makeMap(100, 100);
    mapi::ControlViewContext context(*map);
    map->Options()->SetmpEdit(false);
    EXPECT_FALSE(context.IsEditing());
    map->Options()->SetmpEdit(true);
    EXPECT_TRUE(context.IsEditing());
    map->SetScale(250);
    EXPECT_EQ(context.Scale(), 250);
    TKEXMapZametka note;
    note.LibName.assign("NO SUCH LIBRARY");
    const TBitmap& missing = map->GetMapIcon("NO SUCH LIBRARY", "");
    EXPECT_EQ(context.NoteIconSize(note), (TSize{missing.Width(), missing.Height()}));
}

} // namespace
