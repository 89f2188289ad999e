#include "TestSupport.h"
#include "document/RptDesigner.h"
#include "document/RptText.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

struct VerbFixture : ::testing::Test {
    TRptDesigner page;
    TRptText* element = new TRptText(&page);

    // Applies the verb and answers whether the page was marked dirty.
    bool Apply(int verb, int subVerb, const QVariant& value) {
        page.SetDirty(false);
        element->VerbAction(verb, subVerb, value);
        return page.Dirty();
    }
};

} // namespace

TEST_F(VerbFixture, AnnouncesTheTransparentVerbTickedWhileTransparent) {
    const ElementVerb verb{verbmmTextBegin, QStringLiteral("rdpmiRptTxtTrans"),
                           QStringLiteral("底色透明"), false};
    EXPECT_EQ(element->Verbs(), QList<ElementVerb>{verb});
    EXPECT_TRUE(Apply(200, 0, true));
    EXPECT_TRUE(element->Transparent());
    EXPECT_TRUE(element->Verbs().front().checked);
    EXPECT_TRUE(Apply(200, 0, false));
    EXPECT_FALSE(element->Transparent());
}

TEST_F(VerbFixture, FontSubVerbs) {
    EXPECT_TRUE(Apply(9003, 90030, QStringLiteral("黑体")));
    EXPECT_TRUE(Apply(9003, 90031, 12));
    EXPECT_TRUE(Apply(9003, 90032, int(clRed)));
    EXPECT_TRUE(Apply(9003, 90033, true));
    EXPECT_TRUE(Apply(9003, 90034, true));
    EXPECT_TRUE(Apply(9003, 90035, true));
    EXPECT_TRUE(Apply(9003, 90036, true));
    const RptFont& font = element->Font();
    EXPECT_EQ(font.face, QStringLiteral("黑体"));
    EXPECT_EQ(font.size, 12);
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.color, clRed);
    EXPECT_TRUE(font.HasStyle(fsBold));
    EXPECT_TRUE(font.HasStyle(fsItalic));
    EXPECT_TRUE(font.HasStyle(fsUnderline));
    EXPECT_TRUE(element->Shadow());

    EXPECT_EQ(element->VerbActionValue(9003, 90030), QVariant(QStringLiteral("黑体")));
    EXPECT_EQ(element->VerbActionValue(9003, 90031), QVariant(12));
    EXPECT_EQ(element->VerbActionValue(9003, 90032), QVariant(int(clRed)));
    for (int sub : {90033, 90034, 90035, 90036}) {
        EXPECT_EQ(element->VerbActionValue(9003, sub), QVariant(true)) << sub;
    }

    EXPECT_TRUE(Apply(9003, 90033, false));
    EXPECT_TRUE(Apply(9003, 90036, false));
    EXPECT_FALSE(element->Font().HasStyle(fsBold));
    EXPECT_FALSE(element->Shadow());
    EXPECT_EQ(element->VerbActionValue(9003, 90033), QVariant(false));
}

TEST_F(VerbFixture, AlignmentSubVerbs) {
    EXPECT_TRUE(Apply(9050, 90501, {}));
    EXPECT_EQ(element->Alignment(), taRightJustify);
    EXPECT_EQ(element->VerbActionValue(9050, 0), QVariant(int(taRightJustify)));
    EXPECT_TRUE(Apply(9050, 90502, {}));
    EXPECT_EQ(element->Alignment(), taCenter);
    EXPECT_TRUE(Apply(9050, 90500, {}));
    EXPECT_EQ(element->Alignment(), taLeftJustify);
}

TEST_F(VerbFixture, VerticalAlignmentSubVerbsPutBottomBeforeCentre) {
    EXPECT_TRUE(Apply(9051, 90510, {}));
    EXPECT_EQ(element->VAlign(), tlTop);
    EXPECT_TRUE(Apply(9051, 90511, {}));
    EXPECT_EQ(element->VAlign(), tlBottom);
    EXPECT_EQ(element->VerbActionValue(9051, 0), QVariant(int(tlBottom)));
    EXPECT_TRUE(Apply(9051, 90512, {}));
    EXPECT_EQ(element->VAlign(), tlCenter);
}

TEST_F(VerbFixture, OtherVerbsChangeNothingAndAnswerEmpty) {
    EXPECT_FALSE(element->VerbActionValue(200, 0).isValid());
    EXPECT_FALSE(element->VerbActionValue(9003, 90037).isValid());
    EXPECT_FALSE(element->VerbActionValue(7, 0).isValid());
    EXPECT_TRUE(Apply(9050, 90510, {}));
    EXPECT_EQ(element->Alignment(), taLeftJustify);
}

TEST_F(VerbFixture, ChangesRepaint) {
    int repaints = 0;
    QObject::connect(element, &TRptText::Changed, [&repaints] { ++repaints; });
    Apply(9003, 90031, 20);
    Apply(9051, 90510, {});
    EXPECT_EQ(repaints, 2);
}
