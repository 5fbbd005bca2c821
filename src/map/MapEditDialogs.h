// The text and note dialogs as the map's tools see them: the text tool and the note tool hand the
// edit buffer's object to them. The dialogs themselves are built elsewhere; a test can answer
// in their place.
#pragma once

class TDataMap;

namespace mapi {

class MapEditDialogs {
public:
    virtual ~MapEditDialogs() = default;
    // Shows the text dialog for the text in the map's edit buffer; IsNew: a fresh dialog for a
    // text that has just been started.
    virtual void ShowTextDialog(TDataMap& Map, bool IsNew) = 0;
    // Shows the note dialog for the note in the map's edit buffer.
    virtual void ShowNoteDialog(TDataMap& Map) = 0;
};

} // namespace mapi
