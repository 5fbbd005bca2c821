// Loading a firm card: BM_RichEditLoadCard creates a hidden rich edit and loads a typical card
// from its rich text, as the firm list does for every firm; BM_RichEditLoadCard_Baseline creates
// a Qt text edit and inserts the same text runs with the same formats through a text cursor.
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "toolkit/TControl_p.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TRichEdit.h"

namespace {

// One run of the card: its text (UTF-8; "\n" ends a paragraph), colour, bold and link.
struct CardRun {
    const char* text;
    QColor color;
    bool bold = false;
    bool link = false;
};

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kDarkRed(140, 0, 0);

const std::vector<CardRun>& cardRuns() {
    static const std::vector<CardRun> runs{
        {"Кафе", kDarkRed, false, true},          {"; ", kBlack},
        {"Рестораны и бары", kDarkRed, false, true}, {"\n⊕", kBlack},
        {"www.valdren.example", kBlue, false, true}, {"\n✉", kBlack},
        {"info@valdren.example", kBlue, false, true}, {"\n\n\u00A0", kBlack},
        {"Мира, 7", kBlue, false, true},          {"\t☎", kBlack},
        {"\u00A022-33-44 ", kGreen, true},        {"\t☎", kBlack},
        {"\u00A08-(8452)22-33-45 ", kGreen, true}, {"\n\u00A0", kBlack},
        {"Набережная, 15", kBlue, false, true},   {"\t☎", kBlack},
        {"\u00A024-56-78 ", kGreen, true}};
    return runs;
}

// The same card as the program writes it.
std::string cardRtf() {
    const std::string plain = "\\plain\\f3\\fs16 ";
    const std::string rubric = "\\plain\\f3\\fs16\\cf3\\lnkd\\ul ";
    const std::string address = "\\plain\\lang1049\\f3\\fs16\\cf1\\lnkd\\ul ";
    const std::string phone = "\\tab\\plain\\f4(\\f3\\fs16\\cf2\\b\\~";
    return "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
           "{\\f2\\fswiss\\fcharset1 MS Sans Serif;}{\\f3\\fswiss\\fcharset204{\\*\\fname MS Sans Serif;}MS Shell Dlg;}"
           "{\\f4\\fnil\\fprq2\\fcharset2 Wingdings;}{\\f5\\froman\\fprq2\\fcharset2 Webdings;}}"
           "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;\\red140\\green0\\blue0;"
           "\\red150\\green63\\blue10;}\\deflang1033\\pard" +
           plain + rubric + "\\'ca\\'e0\\'f4\\'e5" + plain + "; " + rubric +
           "\\'d0\\'e5\\'f1\\'f2\\'ee\\'f0\\'e0\\'ed\\'fb \\'e8 \\'e1\\'e0\\'f0\\'fb" + plain + "\\par" +
           "\\plain\\f5\\'fe\\plain\\f3\\fs16\\cf1\\lnkd\\ul www.valdren.example" + plain + "\\par" +
           "\\plain\\f4+\\plain\\f3\\fs16\\cf1\\lnkd\\ul info@valdren.example" + plain + "\\par" +
           "\\par\\~" + address + "\\'cc\\'e8\\'f0\\'e0, 7" + plain + phone + "22-33-44 " + plain + phone +
           "8-(8452)22-33-45 " + plain + "\\par\\~" + address + "\\'cd\\'e0\\'e1\\'e5\\'f0\\'e5\\'e6\\'ed\\'e0\\'ff, 15" +
           plain + phone + "24-56-78 " + plain + "}";
}

void loadCard(TRichEdit& edit, const std::string& rtf) {
    TMemoryStream stream;
    stream.WriteBuffer(rtf.data(), static_cast<int64_t>(rtf.size()));
    stream.SetPosition(0);
    edit.Lines()->LoadFromStream(stream);
}

// A Qt text edit set up as the rich edit sets up its own: hidden, same size, no scroll bars.
void setUpLikeRichEdit(QTextEdit& edit) {
    edit.hide();
    edit.resize(185, 89);
    edit.setAcceptRichText(false);
    edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void insertCard(QTextEdit& edit) {
    setUpLikeRichEdit(edit);
    QTextCursor cursor(edit.document());
    QTextCharFormat base;
    base.setFontFamilies({QStringLiteral("Liberation Sans")});
    base.setFontPointSize(8);
    for (const CardRun& run : cardRuns()) {
        QTextCharFormat format = base;
        format.setForeground(run.color);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontUnderline(run.link);
        format.setAnchor(run.link);
        const QStringList paragraphs = QString::fromUtf8(run.text).split('\n');
        for (qsizetype i = 0; i < paragraphs.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), format);
            cursor.insertText(paragraphs[i], format);
        }
    }
}

// Both sides must build the same document: the same text, and at every position the same colour,
// weight and link mark.
void checkSameCard() {
    TRichEdit card(nullptr);
    loadCard(card, cardRtf());
    QTextEdit baseline;
    insertCard(baseline);
    const QTextDocument& a = *static_cast<QTextEdit&>(*card.peer().widget()).document();
    const QTextDocument& b = *baseline.document();
    bool same = a.toRawText() == b.toRawText();
    for (int position = 1; same && position < a.characterCount() - 1; ++position) {
        QTextCursor ca(const_cast<QTextDocument*>(&a)), cb(const_cast<QTextDocument*>(&b));
        ca.setPosition(position);
        cb.setPosition(position);
        if (ca.block().length() == 1 || position == ca.block().position())
            continue;
        const QTextCharFormat fa = ca.charFormat(), fb = cb.charFormat();
        same = fa.foreground().color() == fb.foreground().color() && fa.fontWeight() == fb.fontWeight() &&
               fa.isAnchor() == fb.isAnchor();
    }
    if (same)
        return;
    std::fprintf(stderr, "BM_RichEditLoadCard: the two sides build different cards\n");
    std::abort();
}

// A freed control's widget goes at the next pass of the loop; both sides pay for it in the loop.
void deleteFreedWidgets() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void BM_RichEditLoadCard(benchmark::State& state) {
    checkSameCard();
    const std::string rtf = cardRtf();
    for (auto _ : state) {
        {
            TRichEdit card(nullptr);
            loadCard(card, rtf);
            benchmark::DoNotOptimize(card.GetTextLen());
        }
        deleteFreedWidgets();
    }
}
BENCHMARK(BM_RichEditLoadCard);

void BM_RichEditLoadCard_Baseline(benchmark::State& state) {
    checkSameCard();
    for (auto _ : state) {
        {
            QTextEdit card;
            insertCard(card);
            benchmark::DoNotOptimize(card.document()->characterCount());
        }
        deleteFreedWidgets();
    }
}
BENCHMARK(BM_RichEditLoadCard_Baseline);

} // namespace
