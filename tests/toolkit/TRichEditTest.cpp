// The rich edit: loading rich text, links, character formats and damaged input.
#include "toolkit/TRichEdit.h"

#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TScreen.h"
#include "toolkit/WinApi.h"

namespace {

// A rich edit that records the link notifications it gets, as a link-reporting edit would.
class TLinkProbe : public TRichEdit {
public:
    using TRichEdit::TRichEdit;
    std::vector<std::string> links;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg != CN_NOTIFY) {
            TRichEdit::WndProc(Message);
            return;
        }
        const auto& link = *reinterpret_cast<const ENLINK*>(Message.LParam);
        if (link.nmhdr.code != EN_LINK || link.msg != WM_LBUTTONDOWN)
            return;
        std::vector<char> text(static_cast<size_t>(link.chrg.cpMax - link.chrg.cpMin + 2));
        TEXTRANGEA range{link.chrg, text.data()};
        Perform(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
        links.push_back(text.data());
    }
};

const char* const kCard =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil MS Sans Serif;}{\\f3\\fswiss\\fcharset204{\\*\\fname MS Sans Serif;}"
    "MS Shell Dlg;}}{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\\deflang1033\\pard"
    "\\plain\\f3\\fs16\\cf1\\lnkd\\ul www.valdren.example\\plain\\f3\\fs16\\par"
    "\\~\\plain\\f3\\fs16 \\'cc\\'e8\\'f0\\'e0, 7\\tab 22-33-44\\par}";

struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TLinkProbe* edit = new TLinkProbe(form.get());

    Fixture() {
        form->SetBounds(0, 0, 400, 200);
        edit->SetParent(form.get());
        edit->SetBounds(0, 0, 400, 200);
        edit->SetReadOnly(true);
        edit->SetWordWrap(true);
        TMemoryStream stream;
        const std::string card = kCard;
        stream.WriteBuffer(card.data(), static_cast<int64_t>(card.size()));
        stream.SetPosition(0);
        edit->Lines()->LoadFromStream(stream);
        form->Show();
        Application->ProcessMessages();
    }
};

TEST(TRichEditTest, TextAreaShowsTheControlsColorAndCursor) {
    Fixture f;
    f.edit->SetColor(TColor(0x00E0FFFF));
    f.edit->SetCursor(crArrow);
    Application->ProcessMessages();
    auto& widget = static_cast<QTextEdit&>(*f.edit->peer().widget());
    const QImage shot = widget.grab().toImage();
    EXPECT_EQ(shot.pixel(300, 150) & 0xFFFFFF, 0xFFFFE0u);
    EXPECT_EQ(widget.viewport()->cursor().shape(), Qt::ArrowCursor);
    f.edit->SetCursor(crDefault);
    EXPECT_EQ(widget.viewport()->cursor().shape(), Qt::IBeamCursor);
}

// Keeps the arrow over its text and scroll bars, as the card's rich edit does.
class TArrowEdit : public TRichEdit {
public:
    using TRichEdit::TRichEdit;
    int arrows = 0;

protected:
    void WndProc(TMessage& Message) override {
        TRichEdit::WndProc(Message);
        if (Message.Msg != WM_SETCURSOR || Message.Result != 0)
            return;
        Message.Result = 1;
        TPoint at;
        GetCursorPos(&at);
        const LRESULT hit = Perform(WM_NCHITTEST, 0, MAKELPARAM(at.X, at.Y));
        if (hit == HTCLIENT || hit == HTVSCROLL || hit == HTHSCROLL) {
            ::SetCursor(Screen->Cursors(crArrow));
            ++arrows;
        }
    }
};

TEST(TRichEditTest, ArrowChosenOnSetCursorHoldsOverTheTextUnlessTheScreenCursorIsSet) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* edit = new TArrowEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 300, 200);
    edit->SetScrollBars(ssVertical);
    edit->SetText("text");
    form.Show();
    Application->ProcessMessages();
    auto& widget = static_cast<QTextEdit&>(*edit->peer().widget());
    tk::input::move(*edit, 20, 10);
    Application->ProcessMessages();
    EXPECT_EQ(edit->arrows, 1);
    EXPECT_EQ(widget.viewport()->cursor().shape(), Qt::ArrowCursor);
    const TPoint bar = edit->ClientToScreen(Point(widget.width() - 5, 100));
    EXPECT_EQ(edit->Perform(WM_NCHITTEST, 0, MAKELPARAM(bar.X, bar.Y)), HTVSCROLL);
    Screen->SetCursor(crHourGlass);
    tk::input::move(*edit, 30, 10);
    Application->ProcessMessages();
    Screen->SetCursor(crDefault);
    EXPECT_EQ(edit->arrows, 1);
}

// Asks for links each time its window is created, as the card's rich edit does.
class TLinkAsker : public TRichEdit {
public:
    using TRichEdit::TRichEdit;
    int created = 0;

protected:
    void CreateWnd() override {
        TRichEdit::CreateWnd();
        ++created;
        Perform(EM_SETEVENTMASK, 0, Perform(EM_GETEVENTMASK, 0, 0) | ENM_LINK);
    }
};

TEST(TRichEditTest, WindowIsCreatedAtTheFirstShowAndRecreatedWithAFreshEventMask) {
    TForm form(nullptr);
    auto* edit = new TLinkAsker(&form);
    edit->SetParent(&form);
    EXPECT_FALSE(edit->HandleAllocated());
    form.Show();
    Application->ProcessMessages();
    form.Hide();
    form.Show();
    EXPECT_TRUE(edit->HandleAllocated());
    EXPECT_EQ(edit->created, 1);
    edit->Perform(EM_SETEVENTMASK, 0, 0);
    edit->RecreateWnd();
    EXPECT_EQ(edit->created, 2);
    EXPECT_EQ(static_cast<std::uint32_t>(edit->Perform(EM_GETEVENTMASK, 0, 0)), ENM_CHANGE | ENM_SELCHANGE | ENM_LINK);
    auto* hidden = new TLinkAsker(&form);
    hidden->HandleNeeded();
    EXPECT_EQ(hidden->created, 1);
}

TEST(TRichEditTest, RichTextLoadsIntoParagraphs) {
    Fixture f;
    ASSERT_EQ(f.edit->Lines()->Count(), 3);
    EXPECT_EQ(f.edit->Lines()->Strings(0), "www.valdren.example");
    // The blank after a control word only ends it.
    EXPECT_EQ(f.edit->Lines()->Strings(1), "\xA0" + tk::fromUtf8("Мира, 7") + "\t22-33-44");
    EXPECT_EQ(f.edit->Lines()->Strings(2), "");
    EXPECT_EQ(f.edit->Perform(EM_GETLINECOUNT, 0, 0), 3);
}

TEST(TRichEditTest, LeftPressOnLinkTextSendsItsRangeOnlyWhileTheMaskAsks) {
    Fixture f;
    tk::input::press(*f.edit, mbLeft, 12, 10);
    tk::input::release(*f.edit, mbLeft, 12, 10);
    Application->ProcessMessages();
    EXPECT_TRUE(f.edit->links.empty());
    const LRESULT mask = f.edit->Perform(EM_GETEVENTMASK, 0, 0);
    f.edit->Perform(EM_SETEVENTMASK, 0, mask | ENM_LINK);
    tk::input::move(*f.edit, 14, 10);
    tk::input::press(*f.edit, mbLeft, 12, 10);
    tk::input::release(*f.edit, mbLeft, 12, 10);
    tk::input::press(*f.edit, mbLeft, 300, 150);
    tk::input::release(*f.edit, mbLeft, 300, 150);
    Application->ProcessMessages();
    EXPECT_EQ(f.edit->links, std::vector<std::string>{"www.valdren.example"});
}

TEST(TRichEditTest, CharFormatTakesTheLinkEffectOffTheSelection) {
    Fixture f;
    f.edit->Perform(EM_SETEVENTMASK, 0, ENM_LINK);
    f.edit->SetSelStart(0);
    f.edit->SetSelLength(19);
    CHARFORMATA format;
    format.dwMask = CFM_LINK | CFM_UNDERLINE | CFM_COLOR;
    f.edit->Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    tk::input::press(*f.edit, mbLeft, 12, 10);
    tk::input::release(*f.edit, mbLeft, 12, 10);
    Application->ProcessMessages();
    EXPECT_TRUE(f.edit->links.empty());
}

TEST(TRichEditTest, PlainLinesAddAndDelete) {
    TRichEdit edit(nullptr);
    EXPECT_EQ(edit.Lines()->Count(), 0);
    edit.Lines()->Add("");
    edit.Lines()->Add("second");
    EXPECT_EQ(edit.Lines()->Count(), 2);
    edit.Lines()->Insert(0, "first");
    EXPECT_EQ(edit.Text(), "first\r\n\r\nsecond\r\n");
    edit.Lines()->Delete(1);
    EXPECT_EQ(edit.Text(), "first\r\nsecond\r\n");
    edit.Clear();
    EXPECT_EQ(edit.Lines()->Count(), 0);
}

} // namespace

namespace {

TEST(TRichEditTest, EveryTruncationAndDamagedTextLoadsWithoutFault) {
    TRichEdit edit(nullptr);
    const std::string card = kCard;
    std::vector<std::string> inputs;
    for (size_t length = 0; length <= card.size(); ++length)
        inputs.push_back(card.substr(0, length));
    inputs.push_back("{\\rtf1}}}}{{{\\'");
    inputs.push_back("{\\rtf1 \\'zz\\'4\\fs-999999999999\\cf99 text\\par");
    inputs.push_back("{\\rtf1\\fs-99999999999999\\f99999999999 x\\b2147483648}");
    inputs.push_back("{\\rtf1{\\fonttbl{\\f99999999 huge;}}x}");
    inputs.push_back("{\\rtf1{\\colortbl;\\red300;}{\\fonttbl{\\f-5 x;}}\\f-5\\cf1 a}");
    for (const std::string& input : inputs) {
        TMemoryStream stream;
        stream.WriteBuffer(input.data(), static_cast<int64_t>(input.size()));
        stream.SetPosition(0);
        edit.Lines()->LoadFromStream(stream);
        EXPECT_GE(edit.Lines()->Count(), 0);
    }
    EXPECT_EQ(edit.Lines()->Strings(0), "a");
}

} // namespace
