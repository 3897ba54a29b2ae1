#include "report/FontFaceLookup.h"
#include "report/PageNotes.h"
#include "report/VerdictTexts.h"
#include "report/WordWrap.h"
#include "standards/CircuitEvaluation.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

TEST(FontFaceLookup, ExactNameThenPrefixThenSubstituteThenDefault)
{
    const QStringList installed = {"DejaVu Sans", "Arial Narrow", "arial", "Arial Black", "Liberation Sans"};
    EXPECT_EQ(FontFaceLookup::choose("Arial", installed, "Liberation Sans", "DejaVu Sans"), "arial");
    EXPECT_EQ(FontFaceLookup::choose("Arial", {"Arial Narrow", "Arial Black", "DejaVu Sans"},
                                     "Liberation Sans", "DejaVu Sans"),
              "Arial Black"); // the first in name order
    EXPECT_EQ(
        FontFaceLookup::choose("Arial", {"DejaVu Sans", "Liberation Sans"}, "Liberation Sans", "DejaVu Sans"),
        "Liberation Sans");
    // fontconfig names a face that is not installed: the default face.
    EXPECT_EQ(FontFaceLookup::choose("Arial", {"DejaVu Sans"}, "Liberation Sans", "DejaVu Sans"),
              "DejaVu Sans");
}

TEST(FontFaceLookup, ReportsPrintInAFaceMetricCompatibleWithArial)
{
    // The setup scripts install Liberation Sans, which fontconfig gives for Arial.
    const QString face = FontFaceLookup::find("Arial");
    EXPECT_TRUE(face == "Arial" || face == "Liberation Sans") << face.toStdString();
}

TEST(WordWrap, BreaksAtBlanksBelowTheWidth)
{
    QFont font("Liberation Sans");
    font.setPixelSize(20);
    const QFontMetrics metrics(font);
    const QString text = "North riser to the entrance facility, pulled in\nMarch";
    const int width = metrics.horizontalAdvance("North riser to the entrance ") + 1;
    const QStringList lines = wrapText(text, width, metrics);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(0), "North riser to the entrance");
    EXPECT_EQ(lines.at(1), "facility, pulled in\nMarch"); // a line feed that fits is no break
    for (const QString& line : lines)
        EXPECT_LT(metrics.horizontalAdvance(line), width);

    // When the longest fitting part ends just before a blank, it is still cut
    // back to its own last blank: the last word goes to the next line.
    const QStringList early =
        wrapText(text, metrics.horizontalAdvance("North riser to the entrance") + 1, metrics);
    EXPECT_EQ(early.first(), "North riser to the");
    EXPECT_EQ(wrapText("ab\tcd ef", metrics.horizontalAdvance("ab\tcd e"), metrics).first(), "ab\tcd");
    EXPECT_EQ(wrapText("abcd\tef", metrics.horizontalAdvance("abcd\te"), metrics),
              (QStringList{"abcd", "ef"}));

    // A word wider than the width is cut where it must be; blanks after a
    // break never start a line; nothing is lost but the breaking blanks.
    const QStringList cut =
        wrapText("Backbone    WWWWWWWWWWWWWWWWWWWW", metrics.horizontalAdvance("WWWWW") + 1, metrics);
    EXPECT_EQ(cut.join(QString()), "BackboneWWWWWWWWWWWWWWWWWWWW");
    for (const QString& line : cut)
        EXPECT_FALSE(line.startsWith(' '));
    EXPECT_TRUE(wrapText(QString(), 100, metrics).isEmpty());
    EXPECT_EQ(wrapText("x", 0, metrics), QStringList{"x"}); // always comes to an end
}

TEST(VerdictCell, NotesTakePrecedenceExceptUnderAUserDefinedBudget)
{
    CircuitResults circuit;
    circuit.standardNumber = 2;
    SlotResult& slot = circuit.slots[0];
    slot.measuredPower = -21;
    slot.covered = true;
    slot.verdict = VerdictPass;
    EXPECT_EQ(verdictCellFor(circuit, -1), VerdictCell::BeyondSlots);
    EXPECT_EQ(verdictCellFor(circuit, 1), VerdictCell::NotMeasured);
    EXPECT_EQ(verdictCellFor(circuit, 0), VerdictCell::Pass);
    slot.verdict = VerdictFail;
    EXPECT_EQ(verdictCellFor(circuit, 0), VerdictCell::Fail);
    slot.covered = false;
    EXPECT_EQ(verdictCellFor(circuit, 0), VerdictCell::Note3);
    circuit.fiberType = 1; // the fiber is not of the link's type
    EXPECT_EQ(verdictCellFor(circuit, 0), VerdictCell::Note2);
    circuit.standardNumber = 14;
    EXPECT_EQ(verdictCellFor(circuit, 0), VerdictCell::Fail);
    slot.verdict = VerdictNone;
    EXPECT_EQ(verdictCellFor(circuit, 0), VerdictCell::Note1);
    slot.verdict = static_cast<Verdict>(7);
    EXPECT_EQ(verdictCellFor(circuit, 0), VerdictCell::Other);
}

TEST(PageNotes, SeenNotesInOrderSevenBlanksApart)
{
    PageNotes notes;
    EXPECT_EQ(notes.line({35503, 35504, 35505}), "");
    notes.mark(VerdictCell::Note3);
    notes.mark(VerdictCell::Fail);
    notes.mark(VerdictCell::Note1);
    notes.mark(VerdictCell::Note3);
    EXPECT_EQ(notes.line({35503, 35504, 35505}),
              "*1 - Manually set reference       *3 - Not covered by TIA standard");
    EXPECT_FALSE(notes.invalidMargin());
}
