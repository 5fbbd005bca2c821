// Word ends found from pairs of characters agree with Qt's boundary finder on every text made of
// the characters a card holds, and on texts with others.
#include "toolkit/RichTextBreaks_p.h"

#include <QTextBoundaryFinder>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The ends that say anything (of characters neither breakable spaces nor tabs), by the finder.
std::vector<int> endsByFinder(const QString& text) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    std::vector<int> ends;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (tk::isBreakableSpace(text[i]) || text[i] == QLatin1Char('\t'))
            continue;
        breaks.setPosition(i + 1);
        ends.push_back(i + 1 == text.size() || tk::isBreakableSpace(text[i + 1]) || breaks.isAtBoundary() ? 1 : 0);
    }
    return ends;
}

std::vector<int> endsFound(const QString& text) {
    const std::vector<bool> all = tk::wordEnds(text);
    std::vector<int> ends;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!tk::isBreakableSpace(text[i]) && text[i] != QLatin1Char('\t'))
            ends.push_back(all[size_t(i)] ? 1 : 0);
    return ends;
}

TEST(RichTextBreaksTest, EndsAreTheFindersOnCardLikeAndOtherTexts) {
    const QString cardCharacters = QString::fromUtf8("аzЯёҐQ07-;,.:()☎⊕•\u00A0\t ");
    const QString others = QString::fromUtf8("✉/@!");
    std::mt19937 random(35);
    for (int n = 0; n < 20000; ++n) {
        QString text;
        const int length = 1 + int(random() % 16);
        for (int i = 0; i < length; ++i) {
            const bool other = n % 4 == 0 && random() % 8 == 0;
            text += other ? others[random() % others.size()] : cardCharacters[random() % cardCharacters.size()];
        }
        ASSERT_EQ(endsFound(text), endsByFinder(text)) << text.toStdString();
    }
    for (const char* text : {"Интернет-провайдеры; Нотариусы; ", " 2-Я ЮЖНАЯ, 28А -оф. 454 \t☎\u00A08-(3452)24-75-46 ",
                             "⊕www.valdren.example", "1.5 x,2"}) {
        const QString paragraph = QString::fromUtf8(text);
        EXPECT_EQ(endsFound(paragraph), endsByFinder(paragraph)) << text;
    }
}

} // namespace
