// Rich text as a rich edit loads it; the lines it made are read back.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "toolkit/Exception.h"
#include "toolkit/TRichEdit.h"
#include "toolkit/TRichEditStrings.h"

namespace {

TRichEdit* edit = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startOffscreenApplication();
    // One edit for every input: loading replaces its text, and making a window per input would
    // cost more than the reading.
    edit = new TRichEdit(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream = fuzz::streamOf(data, size);
    try {
        edit->Lines()->LoadFromStream(stream);
    } catch (const Exception&) {
        return 0;
    }
    for (int i = 0; i < edit->Lines()->Count(); ++i)
        (void)edit->Lines()->Strings(i);
    return 0;
}
