// The rich edit: loading rich text, links, character formats and damaged input.
#include "toolkit/TRichEdit.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "support/Placed.h"
#include "support/CardRtf.h"
#include "support/LinkRanges.h"
#include "toolkit/RichEditFormat_p.h"
#include "toolkit/RtfReader_p.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TPopupMenu.h"
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

// A firm card in the form the program writes it: a rubric link, web and e-mail links, an address
// link and two telephones.
const std::string kCard = testsupport::kCardHeader + testsupport::kCardPlain +
                          testsupport::cardRubric(tk::fromUtf8("Кафе")) + "\\par" +
                          testsupport::cardWeb("www.valdren.example") + testsupport::cardMail("info@valdren.example") +
                          testsupport::cardAddress(tk::fromUtf8("Мира"), "7") + testsupport::cardPhone("22-33-44") +
                          testsupport::cardPhone("8-(8452)22-33-45") + "}";

struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TLinkProbe* edit = new TLinkProbe(form.get());

    Fixture() {
        form->SetBounds(0, 0, 400, 200);
        edit->SetParent(form.get());
        edit->SetBounds(0, 0, 400, 200);
        edit->SetReadOnly(true);
        edit->SetWordWrap(true);
        testsupport::loadCard(*edit, kCard);
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
    auto* edit = tktest::placed<TLinkAsker>(&form);
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

// A card-sized edit, hidden on a shown form, with the sample card loaded; WithPeer asks for its
// window first, as every edit had one from the start before.
TRichEdit* hiddenCard(TForm& form, int width, TFormBorderStyle border, TScrollStyle bars, bool withPeer) {
    auto* edit = new TRichEdit(&form);
    edit->SetVisible(false);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, width, 120);
    edit->SetBorderStyle(border);
    edit->SetScrollBars(bars);
    edit->SetReadOnly(true);
    if (withPeer)
        edit->HandleNeeded();
    testsupport::loadCard(*edit, testsupport::sampleCard());
    return edit;
}

TEST(TRichEditTest, HiddenEditGetsNoPeerButCountsItsLinesAndDrawsAsAnEditWithOne) {
    struct Case {
        int width;
        TFormBorderStyle border;
        TScrollStyle bars;
    };
    for (const Case& c : {Case{185, bsNone, ssVertical}, Case{130, bsSingle, ssNone}, Case{260, bsSingle, ssBoth},
                          Case{90, bsNone, ssNone}}) {
        SCOPED_TRACE(c.width);
        TForm form(nullptr);
        form.SetBounds(0, 0, 500, 300);
        form.Show();
        Application->ProcessMessages();
        TRichEdit* lazy = hiddenCard(form, c.width, c.border, c.bars, /*withPeer=*/false);
        TRichEdit* eager = hiddenCard(form, c.width, c.border, c.bars, /*withPeer=*/true);
        const LRESULT lines = lazy->Perform(EM_GETLINECOUNT, 0, 0);
        EXPECT_FALSE(lazy->hasPeer());
        EXPECT_EQ(lines, eager->Perform(EM_GETLINECOUNT, 0, 0));
        EXPECT_GT(lines, lazy->Lines()->Count());
        EXPECT_EQ(lazy->Text(), eager->Text());

        lazy->SetVisible(true);
        Application->ProcessMessages();
        ASSERT_TRUE(lazy->hasPeer());
        EXPECT_EQ(lazy->Perform(EM_GETLINECOUNT, 0, 0), lines);
        const QImage shown = lazy->peer().widget()->grab().toImage();
        lazy->SetVisible(false);
        eager->SetVisible(true);
        Application->ProcessMessages();
        EXPECT_TRUE(shown == eager->peer().widget()->grab().toImage());
    }
}

// A read-only edit whose window is made at its first show still refuses typing; a writable one
// made alike takes it.
TEST(TRichEditTest, ReadOnlySetBeforeTheWindowHoldsOnceItShows) {
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly);
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        form.Show();
        auto* edit = new TRichEdit(&form);
        edit->SetVisible(false);
        edit->SetParent(&form);
        edit->SetReadOnly(readOnly);
        edit->SetText("card");
        ASSERT_FALSE(edit->hasPeer());
        edit->SetVisible(true);
        edit->SetFocus();
        tk::input::key(form, 0, 0, 'x');
        Application->ProcessMessages();
        EXPECT_EQ(edit->Text() == "card\r\n", readOnly) << edit->Text();
    }
}

// What an edit shows of itself through its calls and events.
struct Observed {
    int changes = 0;
    int selectionChanges = 0;
    int selStart = 0;
    int selLength = 0;
    int textLength = 0;
    LRESULT lines = 0;
    TColor color = 0;
    TFontStyles style;
    AnsiString text;
    QString html;

    bool operator==(const Observed&) const = default;
};

void PrintTo(const Observed& o, std::ostream* out) {
    *out << "changes " << o.changes << ", selection changes " << o.selectionChanges << ", selection " << o.selStart
         << "+" << o.selLength << ", length " << o.textLength << ", lines " << o.lines << ", colour " << o.color
         << ", bold " << o.style.Contains(fsBold) << ", text " << o.text.size() << "\n"
         << o.html.toStdString();
}

// Runs the steps on a fresh edit, its document made first when asked, and reports what it shows.
template <class Steps>
Observed runOnFreshEdit(bool documentFirst, Steps steps) {
    TRichEdit edit(nullptr);
    edit.SetWidth(150);
    if (documentFirst)
        edit.richText().document();
    Observed seen;
    edit.OnChange = [&seen](TPersistent*) { ++seen.changes; };
    edit.OnSelectionChange = [&seen](TPersistent*) { ++seen.selectionChanges; };
    steps(edit);
    seen.selStart = edit.SelStart();
    seen.selLength = edit.SelLength();
    seen.textLength = edit.GetTextLen();
    seen.lines = edit.Perform(EM_GETLINECOUNT, 0, 0);
    seen.color = edit.SelAttributes()->Color();
    seen.style = edit.SelAttributes()->Style();
    seen.text = edit.Text();
    seen.html = edit.richText().document().toHtml();
    return seen;
}

void setLinkFormat(TRichEdit& edit, bool link, TColor color) {
    CHARFORMATA format;
    format.dwMask = CFM_LINK | CFM_UNDERLINE | CFM_COLOR;
    format.dwEffects = link ? CFE_LINK | CFE_UNDERLINE : 0;
    format.crTextColor = color;
    edit.Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

// An edit makes its document only when something needs it; until then it keeps what it was told
// and answers as an edit with a document.
TEST(TRichEditTest, EditWithoutItsDocumentYetActsAsAnEditWithOne) {
    using Steps = std::function<void(TRichEdit&)>;
    const std::vector<std::pair<const char*, Steps>> cases = {
        {"card fill",
         [](TRichEdit& e) {
             e.Clear();
             e.SetSelStart(0);
             e.SetSelLength(0);
             setLinkFormat(e, false, clBlack);
             e.Clear();
             testsupport::loadCard(e, kCard);
         }},
        {"format for typing, then a line", [](TRichEdit& e) {
             setLinkFormat(e, true, clRed);
             e.Lines()->Add("typed");
         }},
        {"format for typing, read back", [](TRichEdit& e) { setLinkFormat(e, true, clRed); }},
        {"format for typing forgotten by a caret move", [](TRichEdit& e) {
             setLinkFormat(e, true, clRed);
             e.SetSelStart(0);
             e.Lines()->Add("typed");
         }},
        {"format for typing forgotten by a clear", [](TRichEdit& e) {
             setLinkFormat(e, true, clRed);
             e.Clear();
             e.Lines()->Add("typed");
         }},
        {"caret beyond an empty text", [](TRichEdit& e) {
             e.SetSelStart(5);
             e.SetSelLength(3);
             e.SetSelLength(-2);
         }},
        {"caret moved in loaded text", [](TRichEdit& e) {
             testsupport::loadCard(e, kCard);
             e.SetSelStart(0);
             e.SetSelLength(4);
         }},
        {"format of loaded text", [](TRichEdit& e) {
             testsupport::loadCard(e, kCard);
             setLinkFormat(e, true, clRed);
             e.SetSelStart(2);
             e.SetSelLength(3);
             setLinkFormat(e, false, clGreen);
         }},
        {"loaded text cleared", [](TRichEdit& e) {
             testsupport::loadCard(e, kCard);
             e.Clear();
         }},
        {"nothing", [](TRichEdit&) {}},
    };
    for (const auto& [name, steps] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(runOnFreshEdit(false, steps), runOnFreshEdit(true, steps));
    }
    // Loaded text that went into the document later has the caret at its start, nothing selected.
    const Observed loaded = runOnFreshEdit(true, [](TRichEdit& e) { testsupport::loadCard(e, kCard); });
    EXPECT_EQ(loaded.selStart, 0);
    EXPECT_EQ(loaded.selLength, 0);
}

TEST(TRichEditTest, LongTextOpensAtItsFirstLineAndTheWheelAndScrollBarReachItsLastLineWhole) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* edit = tktest::placed<TRichEdit>(&form, 0, 0, 200, 60);
    edit->SetScrollBars(ssVertical);
    edit->SetBorderStyle(bsNone);
    testsupport::loadCard(*edit, testsupport::sampleCard());
    form.Show();
    Application->ProcessMessages();
    auto& widget = static_cast<QTextEdit&>(*edit->peer().widget());
    QScrollBar& bar = *widget.verticalScrollBar();
    QTextDocument& document = *widget.document();
    // Every line's top and bottom in the view, at the current scroll position.
    const auto lineSpans = [&] {
        std::vector<std::pair<double, double>> spans;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                const QTextLine line = block.layout()->lineAt(i);
                const double top = block.layout()->position().y() + line.y() - bar.value();
                spans.emplace_back(top, top + line.height());
            }
        return spans;
    };
    ASSERT_GT(bar.maximum(), 0) << "the text must be taller than its pane";
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_GE(lineSpans().front().first, 0);

    // A notch down puts the fourth line at the top, whole.
    tk::input::wheel(*edit, -120, 20, 20);
    Application->ProcessMessages();
    EXPECT_NEAR(lineSpans()[3].first, 0, 1);
    for (int notch = 0; notch < 20; ++notch)
        tk::input::wheel(*edit, -120, 20, 20);
    Application->ProcessMessages();
    EXPECT_EQ(bar.value(), bar.maximum());
    EXPECT_LE(lineSpans().back().second, widget.viewport()->height());
    tk::input::wheel(*edit, 20 * 120, 20, 20);
    Application->ProcessMessages();
    EXPECT_EQ(bar.value(), 0);

    bar.setValue(bar.maximum());
    EXPECT_LE(lineSpans().back().second, widget.viewport()->height());
    EXPECT_GE(lineSpans().back().first, 0);
}

TEST(TRichEditTest, HearsNothingOfItsSiblingsButItsPopupMenuGoing) {
    TForm form(nullptr);
    auto* edit = new TRichEdit(&form);
    EXPECT_FALSE(edit->HearsSiblings());
    auto* menu = new TPopupMenu(&form);
    edit->SetPopupMenu(menu);
    EXPECT_TRUE(edit->HearsSiblings());
    delete menu;
    EXPECT_EQ(edit->PopupMenu(), nullptr);
}

std::string textRange(TRichEdit& edit, int first, int last) {
    std::vector<char> text(static_cast<size_t>(last - first + 2));
    TEXTRANGEA range{CHARRANGE{first, last}, text.data()};
    edit.Perform(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return text.data();
}

TEST(TRichEditTest, CardTextGivesItsSignsColoursAndLinkTexts) {
    Fixture f;
    // Paragraph breaks are U+2029 in the document's raw text.
    EXPECT_EQ(static_cast<QTextEdit&>(*f.edit->peer().widget()).document()->toRawText().toStdString(),
              "Кафе\u2029⊕www.valdren.example\u2029✉info@valdren.example\u2029\u2029\u00A0Мира, 7\t☎\u00A0"
              "22-33-44 \t☎\u00A08-(8452)22-33-45 ");
    ASSERT_EQ(f.edit->Lines()->Count(), 5);

    const std::vector<std::pair<int, int>> links{{0, 4}, {6, 25}, {27, 47}, {50, 57}};
    EXPECT_EQ(testsupport::linkRanges(*f.edit), links);
    const std::vector<std::string> linkTexts{tk::fromUtf8("Кафе"), "www.valdren.example", "info@valdren.example",
                                             tk::fromUtf8("Мира, 7")};
    for (size_t i = 0; i < links.size(); ++i)
        EXPECT_EQ(textRange(*f.edit, links[i].first, links[i].second), linkTexts[i]);

    // Colours as the link handler reads them, with the caret at the first position + 1.
    const auto colourAt = [&f](int first) {
        f.edit->SetSelStart(first + 1);
        return f.edit->SelAttributes()->Color();
    };
    EXPECT_EQ(colourAt(0), RGB(140, 0, 0));
    EXPECT_EQ(colourAt(6), RGB(0, 0, 255));
    EXPECT_EQ(colourAt(50), RGB(0, 0, 255));
    EXPECT_EQ(colourAt(59), RGB(0, 128, 0));
    EXPECT_EQ(colourAt(57), f.edit->Font()->Color());
    EXPECT_FALSE(f.edit->SelAttributes()->Style().Contains(fsUnderline));
    f.edit->SetSelStart(61);
    EXPECT_EQ(f.edit->SelAttributes()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(f.edit->SelAttributes()->Size(), 8);
    EXPECT_EQ(f.edit->SelAttributes()->Name(), "MS Shell Dlg");
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
    EXPECT_EQ(f.edit->links, std::vector<std::string>{tk::fromUtf8("Кафе")});
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

// The balloon's way of writing a bold label: remember the end, add the line, select the label.
TEST(TRichEditTest, AddedLineStartsAtTheTextLengthAndTakesTheCaretStyle) {
    Fixture f;
    f.edit->Clear();
    f.edit->SelAttributes()->SetStyle({});
    const std::vector<std::string> lines{tk::fromUtf8("Адрес: Мира 7"), tk::fromUtf8("Назначение: кафе")};
    const std::vector<int> labels{7, 12};
    std::vector<int> starts;
    for (size_t i = 0; i < lines.size(); ++i) {
        f.edit->SetSelStart(f.edit->GetTextLen());
        starts.push_back(f.edit->GetTextLen());
        f.edit->SelAttributes()->SetStyle(TFontStyles{});
        f.edit->Lines()->Add(lines[i]);
        f.edit->SetSelStart(starts[i]);
        f.edit->SetSelLength(labels[i]);
        f.edit->SelAttributes()->SetStyle(f.edit->DefAttributes()->Style() << fsBold);
    }
    EXPECT_EQ(f.edit->Lines()->Count(), 2);
    EXPECT_EQ(f.edit->Text(), lines[0] + "\r\n" + lines[1] + "\r\n");
    EXPECT_EQ(starts, (std::vector<int>{0, 14}));
    for (int position = 0; position < f.edit->GetTextLen(); ++position) {
        f.edit->SetSelStart(position);
        f.edit->SetSelLength(1);
        const bool label = (position >= starts[0] && position < starts[0] + labels[0]) ||
                           (position >= starts[1] && position < starts[1] + labels[1]);
        EXPECT_EQ(f.edit->SelAttributes()->Style().Contains(fsBold), label) << "at " << position;
    }
}

// The card's handler puts the selection back to the caret; it must be told once and then end.
TEST(TRichEditTest, SelectionChangeIsToldOncePerChangeOfTheRange) {
    Fixture f;
    int told = 0;
    f.edit->OnSelectionChange = [&told, &f](TPersistent*) {
        ++told;
        f.edit->SetSelLength(0);
    };
    f.edit->SetSelStart(3);
    EXPECT_EQ(told, 1);
    f.edit->SetSelStart(3);
    f.edit->SetSelLength(0);
    EXPECT_EQ(told, 1);
    f.edit->SetSelLength(5);
    EXPECT_EQ(told, 3);
    EXPECT_EQ(f.edit->SelStart(), 3);
    EXPECT_EQ(f.edit->SelLength(), 0);
}

TEST(TRichEditTest, LineCountGivesTheDisplayLinesOfWrappedText) {
    Fixture f;
    f.edit->SetWidth(60);
    Application->ProcessMessages();
    EXPECT_EQ(f.edit->Lines()->Count(), 5);
    EXPECT_GT(f.edit->Perform(EM_GETLINECOUNT, 0, 0), 6);
}

// Pixels of the edit's text area: those of the highlight, and those of the colour given.
std::pair<int, int> countHighlightAndColour(const TRichEdit& edit, QColor colour) {
    QWidget& widget = *edit.peer().widget();
    const QImage image = widget.grab().toImage();
    const QColor highlight = widget.palette().color(QPalette::Active, QPalette::Highlight);
    int highlighted = 0, coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            highlighted += image.pixelColor(x, y) == highlight ? 1 : 0;
            coloured += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    return {highlighted, coloured};
}

TEST(TRichEditTest, UnfocusedSelectionHidesOnlyWhileHideSelectionIsOn) {
    for (const bool hide : {true, false}) {
        Fixture f;
        auto* other = new TRichEdit(f.form.get());
        other->SetParent(f.form.get());
        f.edit->SetHideSelection(hide);
        f.edit->SetSelStart(0);
        f.edit->SetSelLength(f.edit->GetTextLen());
        other->SetFocus();
        Application->ProcessMessages();
        const auto [highlighted, blue] = countHighlightAndColour(*f.edit, QColor(0, 0, 255));
        EXPECT_EQ(highlighted > 0, !hide);
        // A hidden selection leaves the links in their own colour.
        EXPECT_EQ(blue > 0, hide);
    }
}


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
    inputs.push_back("{\\rtf1{\\fonttbl{\\f1\\fcharset2 S;}}\\f1\\fs99999 (+\\'fe\\fs0 x}");
    inputs.push_back("{\\rtf1{\\colortbl;\\red300;}{\\fonttbl{\\f-5 x;}}\\f-5\\cf1 a\\\\\\{\\}}");
    for (const std::string& input : inputs) {
        testsupport::loadCard(edit, input);
        EXPECT_GE(edit.Lines()->Count(), 0);
    }
    // Escaped backslashes and braces are text.
    EXPECT_EQ(edit.Lines()->Strings(0), "a\\{}");
}

} // namespace
