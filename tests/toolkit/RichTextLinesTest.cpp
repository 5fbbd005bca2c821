// Lines of rich text counted without a layout, against the document's own layout of the same text.
#include "toolkit/RichTextLines_p.h"

#include <optional>
#include <string>
#include <vector>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include "support/CardRtf.h"
#include "toolkit/RtfReader_p.h"

namespace {

using namespace testsupport;

// The lines a document of the font lays the text out in, its lines that wide.
int laidOutLines(const std::string& rtf, qreal lineWidth, const QFont& font = QApplication::font("QTextEdit"),
                 const QTextCharFormat& base = QTextCharFormat()) {
    QTextDocument document;
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    tk::insertRtf(cursor, rtf, base);
    document.setTextWidth(lineWidth + 2 * document.documentMargin());
    document.documentLayout()->documentSize();
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines += std::max(block.layout()->lineCount(), 1);
    return lines;
}

std::optional<int> countedLines(const std::string& rtf, qreal lineWidth) {
    return tk::countLines(rtf, QTextCharFormat(), QApplication::font("QTextEdit"), lineWidth,
                          QTextDocument().defaultTextOption());
}

std::string ru(const char* utf8) { return tk::fromUtf8(utf8); }

// Rubrics that fill several lines, telephones that tab across a line, a long address.
const std::vector<std::string> kTexts = {
    sampleCard(),
    kCardHeader + kCardPlain + cardRubric(ru("Агентства недвижимости")) + "; " + cardRubric(ru("Библиотеки")) + "; " +
        cardRubric(ru("Бытовая техника")) + "; " + cardRubric(ru("Рыба и морепродукты")) + "\\par}",
    kCardHeader + kCardPlain + cardAddress(ru("6-Я МАЛИНОВАЯ"), ru("41А")) + cardPhone("24-07-70") +
        cardPhone("8-(3452)33-74-83") + cardPhone(" 35-20-53") + cardPhone("36-80-57") + "}",
    kCardHeader + kCardPlain + cardAddress(ru("ЖУКОВСКОГО 4-Й ПЕР."), "36/4") + "\\par\\tab\\tab\\tab" +
        cardPhone("5181-55-7") + "\\par\\tab x\\tab xx\\tab xxx\\tab}",
};

TEST(RichTextLinesTest, CountsAreTheDocumentsAtEveryWidth) {
    for (size_t t = 0; t < kTexts.size(); ++t) {
        for (int width = 80; width <= 420; width += 3) {
            SCOPED_TRACE(::testing::Message() << "text " << t << " width " << width);
            EXPECT_EQ(countedLines(kTexts[t], width), laidOutLines(kTexts[t], width));
        }
    }
}

// Counts keep the fonts of runs from one to the next while the default font and base stay.
TEST(RichTextLinesTest, CountsInTurnsOfFontsAndBasesAreEachTheDocuments) {
    QFont large = QApplication::font("QTextEdit");
    large.setPointSize(20);
    QTextCharFormat sized;
    sized.setFontPointSize(14);
    const std::vector<std::pair<QFont, QTextCharFormat>> turns = {
        {QApplication::font("QTextEdit"), QTextCharFormat()}, {large, QTextCharFormat()},
        {QApplication::font("QTextEdit"), sized}};
    for (int width = 80; width <= 420; width += 5) {
        for (size_t turn = 0; turn < turns.size(); ++turn) {
            SCOPED_TRACE(::testing::Message() << "width " << width << " turn " << turn);
            const auto& [font, base] = turns[turn];
            EXPECT_EQ(tk::countLines(kTexts[2], base, font, width, QTextDocument().defaultTextOption()),
                      laidOutLines(kTexts[2], width, font, base));
        }
    }
}

TEST(RichTextLinesTest, TextThatFitsTakesALinePerParagraphAndWrappedTextMore) {
    const std::string& card = kTexts[1];
    EXPECT_EQ(countedLines(card, 2000), 2);
    const std::optional<int> narrow = countedLines(card, 150);
    ASSERT_TRUE(narrow.has_value());
    EXPECT_GT(*narrow, 3);
    EXPECT_EQ(*narrow, laidOutLines(card, 150));
}

TEST(RichTextLinesTest, WordWiderThanTheLineIsBrokenAsTheDocumentBreaksIt) {
    const std::string longWord = kCardHeader + kCardPlain + cardWeb("www.averylongaddresswithoutblanks.example") + "}";
    for (int width : {80, 100, 120, 1000}) {
        SCOPED_TRACE(width);
        EXPECT_EQ(countedLines(longWord, width), laidOutLines(longWord, width));
    }
    EXPECT_GT(laidOutLines(longWord, 80), 2);
}

TEST(RichTextLinesTest, BreakWithinAParagraphOrLineNarrowerThanATabStopIsLeftToTheDocument) {
    EXPECT_FALSE(countedLines(kCardHeader + kCardPlain + "one\\line two}", 1000).has_value());
    EXPECT_FALSE(countedLines(kTexts[3], 79).has_value());
}

} // namespace
