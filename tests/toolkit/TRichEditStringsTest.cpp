// Rich text loaded into a hidden edit: it is laid out at the width the edit shows it with.
#include "toolkit/TRichEdit.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/CardRtf.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TRichEditStringsTest, HiddenEditWrapsLoadedTextAsItWillShowIt) {
    const std::string card = testsupport::kCardHeader + testsupport::kCardPlain +
                             testsupport::cardWeb("www.valdren.example") +
                             testsupport::cardMail("info@valdren.example") + testsupport::cardPhone("8-(8452)22-33-45") +
                             "}";
    for (const TFormBorderStyle border : {bsNone, bsSingle}) {
        SCOPED_TRACE(border);
        auto form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        auto* edit = new TRichEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(0, 0, 90, 200);
        edit->SetScrollBars(ssVertical);
        edit->SetBorderStyle(border);
        edit->SetWordWrap(true);
        testsupport::loadCard(*edit, card);
        const LRESULT hidden = edit->Perform(EM_GETLINECOUNT, 0, 0);
        form->Show();
        Application->ProcessMessages();
        EXPECT_EQ(hidden, edit->Perform(EM_GETLINECOUNT, 0, 0));
        EXPECT_GT(hidden, edit->Lines()->Count());
    }
}

} // namespace
