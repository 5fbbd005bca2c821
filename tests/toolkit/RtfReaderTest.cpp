// The rich-text reader goes on from the state its last text reached before its first output when
// the next text begins with the same bytes; a text that differs anywhere in them is read whole.
#include "toolkit/RtfReader_p.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/CardRtf.h"
#include "toolkit/RichEditFormat_p.h"

namespace {

// Every run with its face, colour and effects, and every break with its boldness, as text.
class Transcript : public tk::RtfSink {
public:
    std::string lines;

    void text(const QString& run, const tk::RtfStyle& style, const tk::RtfFormats& formats) override {
        const QTextCharFormat format = formats.format(style);
        lines += "run [" + run.toStdString() + "] face " + tk::faceName(format) + " colour " +
                 format.foreground().color().name().toStdString() + " size " +
                 std::to_string(format.fontPointSize()) + (style.bold ? " bold" : "") +
                 (style.link ? " link" : "") + "\n";
    }
    void paragraph(const tk::RtfStyle& style, const tk::RtfFormats&) override {
        lines += std::string("par") + (style.bold ? " bold" : "") + "\n";
    }
};

std::string transcript(const std::string& rtf) {
    Transcript sink;
    tk::readRtf(rtf, QTextCharFormat(), sink);
    return sink.lines;
}

// Read after a text that shares no bytes with it, and after the one given.
std::string readAlone(const std::string& rtf) {
    transcript("x");
    return transcript(rtf);
}

const std::string kHeader = testsupport::kCardHeader;
const std::string kBody = testsupport::kCardPlain + testsupport::cardRubric("Cafe") + "\\par" +
                          testsupport::cardPhone("22-33-44") + "}";

std::string replaced(std::string text, const std::string& what, const std::string& with) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return text.replace(at, what.size(), with);
}

TEST(RtfReaderTest, TextAfterAnotherReadsAsAlone) {
    struct Case {
        const char* name;
        std::string before;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"same header, other body", kHeader + kBody, kHeader + "\\plain\\f3\\fs16\\b Other\\par}"},
        {"other face", kHeader + kBody, replaced(kHeader, "MS Shell Dlg", "Courier New") + kBody},
        {"other colour", kHeader + kBody, replaced(kHeader, "\\red140", "\\red141") + kBody},
        {"symbol font no more", kHeader + kBody, replaced(kHeader, "\\fcharset2 Wingdings", "\\fcharset0 Wingdings") + kBody},
        // The control word before the first output ends on the byte that differs.
        {"longer last word", kHeader + "\\b\\par}", kHeader + "\\bx\\par}"},
        {"cut inside the header", kHeader + kBody, kHeader.substr(0, 200)},
        {"cut at the first output", kHeader + kBody, kHeader + testsupport::kCardPlain},
        {"output before the tables", "{\\rtf1 early" + kHeader.substr(6) + kBody, "{\\rtf1 early}"},
        {"nothing before", "", kHeader + kBody},
        // Two groups are open where the text goes on; both close again after the output.
        {"first output in a nested group", "{\\rtf1{\\b bold} plain}", "{\\rtf1{\\b bright} plain\\par}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string alone = readAlone(c.text);
        // Its header is the one kept.
        readAlone(c.before);
        EXPECT_EQ(transcript(c.text), alone);
        // And again, now that the header of the text itself is the one kept.
        EXPECT_EQ(transcript(c.text), alone);
    }
    EXPECT_NE(readAlone(kHeader + kBody).find("run [\u00A022-33-44 ] face MS Shell Dlg colour #008000 size 8.000000 bold"),
              std::string::npos);
}

} // namespace
