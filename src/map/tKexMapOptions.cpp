// The option setters: plain stores for what is read when needed, stores that notify the owner for
// what changes the picture.
#include "map/tKexMapOptions.h"

#include <algorithm>

namespace {

// Face names are short strings of 255 characters in stored layouts.
AnsiString faceName(const AnsiString& value) {
    return value.substr(0, 255);
}

} // namespace

tKexMapOptions::tKexMapOptions() = default;

template <typename T, typename V>
void tKexMapOptions::storeAndNotify(T& field, V&& value) {
    field = std::forward<V>(value);
    if (notify_ && changeHandler_)
        changeHandler_();
}

void tKexMapOptions::SetmpGuideLines(bool value) {
    storeAndNotify(mpGuideLines_, value);
}
void tKexMapOptions::SetmpGrid(bool value) {
    storeAndNotify(mpGrid_, value);
}
void tKexMapOptions::SetmpAllMapAfterLoad(bool value) {
    storeAndNotify(mpAllMapAfterLoad_, value);
}
void tKexMapOptions::SetmpNumberDom(bool value) {
    storeAndNotify(mpNumberDom_, value);
}
void tKexMapOptions::SetTexture(bool value) {
    storeAndNotify(texture_, value);
}
void tKexMapOptions::SetFontSystem1(const AnsiString& value) {
    storeAndNotify(fontSystem1_, faceName(value));
}
void tKexMapOptions::SetFontSystem(const AnsiString& value) {
    storeAndNotify(fontSystem_, faceName(value));
}
void tKexMapOptions::SetSizeRect(int value) {
    storeAndNotify(sizeRect_, value);
}
void tKexMapOptions::SetObjectView(int value) {
    storeAndNotify(objectView_, value);
}
void tKexMapOptions::SetMinScaleAddress(double value) {
    storeAndNotify(minScaleAddress_, value);
}
void tKexMapOptions::SetmpNumberDomSizeFont(int value) {
    storeAndNotify(mpNumberDomSizeFont_, std::max(value, 6));
}
void tKexMapOptions::SetmpNumberDomFill(bool value) {
    storeAndNotify(mpNumberDomFill_, value);
}
