// The control's answers to the model's questions about the view.
#include "map/ControlViewContext.h"

#include "map/TDataMap.h"

namespace mapi {

bool ControlViewContext::IsEditing() const { return map_.Options()->mpEdit(); }

int ControlViewContext::Scale() const { return map_.Scale(); }

TSize ControlViewContext::NoteIconSize(const TKEXMapZametka& note) const {
    const TBitmap& icon = map_.GetMapIcon(note.LibName.str(), note.PicName.str());
    return {icon.Width(), icon.Height()};
}

} // namespace mapi
