// Loading a firm card: BM_RichEditLoadCard creates a hidden rich edit and loads a typical card
// from its rich text into its document, as a card shown or asked for its text is loaded;
// BM_RichEditLoadCard_Baseline creates a Qt text edit and inserts the same text runs with the
// same formats through a text cursor.
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

#include "support/CardRtf.h"
#include "toolkit/TControl_p.h"
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
        {"Мира, 7", kBlue, false, true},          {"\u00A0-12 \t", kBlue},
        {"☎", kBlack},
        {"\u00A022-33-44 ", kGreen, true},        {"\t☎", kBlack},
        {"\u00A08-(8452)22-33-45 ", kGreen, true}, {"\n\u00A0", kBlack},
        {"Набережная, 15", kBlue, false, true},   {"\t☎", kBlack},
        {"\u00A024-56-78 ", kGreen, true}};
    return runs;
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
    testsupport::loadCard(card, testsupport::sampleCard());
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
    const std::string rtf = testsupport::sampleCard();
    for (auto _ : state) {
        {
            TRichEdit card(nullptr);
            testsupport::loadCard(card, rtf);
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
