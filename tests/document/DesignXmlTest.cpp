#include "common/Error.h"
#include "document/RptDesigner.h"
#include "document/RptText.h"
#include "document/TextCodec.h"
#include "elements/RptImage.h"
#include "elements/RptRtf.h"
#include "table/RptTable.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

QString Fixture(const char* name) {
    QFile file(QStringLiteral(VEVEZO_FIXTURES "/designs/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll());
}

// A page reading designs written for it in the tests below.
struct Design : ::testing::Test {
    TRptDesigner page;

    void Load(const QString& body, const QString& pageAttributes = {}) {
        ASSERT_TRUE(page.LoadDesignXML(QStringLiteral("<BVReport PaperWidth=\"2100\" "
                                                      "PaperHeight=\"2970\" %1>%2</BVReport>")
                                           .arg(pageAttributes, body)));
    }
    template <typename T> T* Element(int index) {
        return qobject_cast<T*>(page.Elements().value(index));
    }
};

} // namespace

TEST_F(Design, EveryFeatureRoundTripsByteForByte) {
    for (const char* name : {"full.xml", "minimal.xml"}) {
        const QString text = Fixture(name);
        ASSERT_TRUE(page.LoadDesignXML(text)) << name;
        EXPECT_EQ(page.GetDesignXML(), text) << name;
    }
}

TEST_F(Design, ExamplesLoadAndWriteStably) {
    const QDir dir(QStringLiteral(VEVEZO_EXAMPLES "/designs"));
    const QStringList files = dir.entryList({QStringLiteral("*.xml")});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_TRUE(page.LoadDesignXML(DecodeText(file.readAll()))) << name.toStdString();
        EXPECT_FALSE(page.Elements().isEmpty());
        const QString written = page.GetDesignXML();
        TRptDesigner copy;
        ASSERT_TRUE(copy.LoadDesignXML(written));
        EXPECT_EQ(copy.GetDesignXML(), written) << name.toStdString();
    }
}

TEST_F(Design, FullDesignReadsIntoTheModel) {
    ASSERT_TRUE(page.LoadDesignXML(Fixture("full.xml")));
    EXPECT_EQ(page.Title(), QStringLiteral("销售月报"));
    EXPECT_EQ(page.Orientation(), poLandscape);
    EXPECT_EQ(page.PageMergeMode(), pmmCombine);
    EXPECT_EQ(page.PageMergeCount(), 4);
    EXPECT_EQ(page.PageMergeLine(), 0);
    EXPECT_EQ(page.Margins()->Bind(), 50);
    EXPECT_EQ(page.Margins()->BindPos(), bpTop);
    EXPECT_TRUE(page.MainDocLarge());
    EXPECT_EQ(page.ScriptType(), 1);
    EXPECT_EQ(page.ScriptCode(), QStringLiteral("Sub Total()\n  Data = 1\nEnd Sub"));
    EXPECT_FALSE(page.Dirty());

    const QStringList names = [&] {
        QStringList list;
        for (const TRptElement* e : page.Elements()) {
            list << e->Name();
        }
        return list;
    }();
    EXPECT_EQ(names, (QStringList{"Header", "Title", "RptText1", "RptText2", "RptTable1", "RptRtf1",
                                  "RptImage1"}));
    EXPECT_EQ(TRptDesigner::ElementTypeOf(page.Elements()[4]), mmGrid);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(page.Elements()[5]), mmDoc);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(page.Elements()[6]), mmImage);
    EXPECT_EQ(page.MainElement(), page.Elements()[4]);

    const auto* title = Element<TRptText>(1);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->Text(), QStringLiteral("  销售月报 & 汇总\n第二行  "));
    EXPECT_EQ(title->Border(), 2);
    EXPECT_EQ(title->BorderStyle(), psDash);
    EXPECT_EQ(title->Color(), RGBColor(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(title->Alignment(), taRightJustify);
    EXPECT_EQ(title->VAlign(), tlTop);
    EXPECT_TRUE(title->Transparent() && title->Shadow() && title->ReadOnly());
    EXPECT_EQ(title->Font().face, QStringLiteral("黑体"));
    EXPECT_EQ(title->Font().size, 16);
    EXPECT_EQ(title->Font().style, (1u << fsBold) | (1u << fsUnderline));

    const auto* bound = Element<TRptText>(2);
    EXPECT_EQ(bound->DataType(), 4098);
    EXPECT_EQ(bound->Format(), QStringLiteral("#,##0.00"));
    EXPECT_EQ(bound->Padding(), 0);
    EXPECT_EQ(Element<TRptText>(3)->ScriptCode(), QStringLiteral("Sub Own()\nEnd Sub"));
    EXPECT_EQ(Element<TRptTable>(4)->Bounds(), QRect(20, 220, 600, 300));
}

TEST_F(Design, WrittenDesignLoadsToTheSameWriting) {
    page.SetPaperSize(2100, 2970);
    page.SetTitle(QStringLiteral("代码建立"));
    auto* text = new TRptText(&page);
    text->setObjectName(page.MakeElementName(QStringLiteral("TRptText")));
    text->SetText(QStringLiteral("a <b> & \"c\"\n"));
    text->SetDataType(3);
    text->SetDataField(QStringLiteral("Orders.Amount"));
    text->SetFormatType(2);
    text->SetFormat(QStringLiteral("0.00;(0.00)"));
    text->SetAlign(alBottom);
    page.AddElement(text, mmText);
    auto* table = new TRptTable(&page);
    table->setObjectName(QStringLiteral("Grid"));
    table->SetMainFlag(true);
    page.AddElement(table, mmGrid);
    page.SetScript(0, QStringLiteral("function f() { return 1 < 2; }"));

    const QString written = page.GetDesignXML();
    TRptDesigner copy;
    ASSERT_TRUE(copy.LoadDesignXML(written));
    EXPECT_EQ(copy.GetDesignXML(), written);
    EXPECT_TRUE(written.contains(QStringLiteral("<Script><Code Index=\"0\">function f()")));
    EXPECT_EQ(qobject_cast<TRptText*>(copy.Elements()[0])->Text(), text->Text());
    EXPECT_TRUE(copy.Elements()[1]->IsMain());
}

TEST_F(Design, MergeSettingsFallBackToTheirDefaults) {
    page.SetPageMergeCount(6);
    page.SetPageMergeLine(0);
    page.SetPageMergeMode(pmmCopy);
    page.SetOrientation(poLandscape);
    Load({});
    EXPECT_EQ(page.PageMergeCount(), 2);
    EXPECT_EQ(page.PageMergeLine(), 1);
    EXPECT_EQ(page.PageMergeMode(), pmmNone);
    EXPECT_EQ(page.Orientation(), poPortrait);

    // Malformed values give the defaults too.
    Load({}, QStringLiteral("PageMergeCount=\"many\" Orientation=\"x\" MainDocLarge=\"?\""));
    EXPECT_EQ(page.PageMergeCount(), 2);
    EXPECT_FALSE(page.MainDocLarge());

    const struct {
        int count;
        int line;
        bool countWritten;
        bool lineWritten;
    } cases[] = {{1, 1, false, false}, {2, 0, false, true}, {3, 2, true, true}};
    for (const auto& c : cases) {
        page.SetPageMergeCount(c.count);
        page.SetPageMergeLine(c.line);
        const QString written = page.GetDesignXML();
        EXPECT_EQ(written.contains(QStringLiteral("PageMergeCount=")), c.countWritten) << c.count;
        EXPECT_EQ(written.contains(QStringLiteral("PageMergeLine=")), c.lineWritten) << c.line;
    }
    page.SetPageMergeCount(1);
    TRptDesigner copy;
    ASSERT_TRUE(copy.LoadDesignXML(page.GetDesignXML()));
    EXPECT_EQ(copy.PageMergeCount(), 2);
}

TEST_F(Design, MarginThatDoesNotFitIsIgnored) {
    Load({}, QStringLiteral("LeftMargin=\"2000\" TopMargin=\"300\""));
    EXPECT_EQ(page.Margins()->LeftMargin(), 317);
    EXPECT_EQ(page.Margins()->TopMargin(), 300);
}

TEST_F(Design, MarginsThatFitTogetherSurviveAReload) {
    Load({}, QStringLiteral("LeftMargin=\"1800\" RightMargin=\"100\" TopMargin=\"2800\" "
                            "BottomMargin=\"100\""));
    EXPECT_EQ(page.Margins()->LeftMargin(), 1800);
    EXPECT_EQ(page.Margins()->RightMargin(), 100);
    EXPECT_EQ(page.Margins()->TopMargin(), 2800);
    EXPECT_EQ(page.Margins()->BottomMargin(), 100);
    TRptDesigner copy;
    ASSERT_TRUE(copy.LoadDesignXML(page.GetDesignXML()));
    EXPECT_EQ(copy.GetDesignXML(), page.GetDesignXML());
}

TEST_F(Design, DivBecomesRichTextByItsId) {
    Load(QStringLiteral("<div ID=\"RptRtf3\"/><div ID=\"MyRptRtfBox\"/><div/><div ID=\"\"/>"
                        "<div ID=\"rptrtf9\"/>"));
    const auto& e = page.Elements();
    ASSERT_EQ(e.size(), 5);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(e[0]), mmDoc);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(e[1]), mmDoc);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(e[2]), mmText);
    EXPECT_EQ(e[2]->Name(), QStringLiteral("RptText1"));
    EXPECT_EQ(e[3]->Name(), QStringLiteral("RptText2"));
    EXPECT_EQ(TRptDesigner::ElementTypeOf(e[4]), mmText); // "RptRtf" is matched exactly
}

TEST_F(Design, RepeatedIdsGetFreshNames) {
    Load(QStringLiteral("<div ID=\"Box\"/><div ID=\"box\"/>"));
    EXPECT_EQ(page.Elements()[0]->Name(), QStringLiteral("Box"));
    EXPECT_EQ(page.Elements()[1]->Name(), QStringLiteral("RptText1"));
}

TEST_F(Design, OnlyTheFirstMainElementKeepsItsFlag) {
    Load(QStringLiteral("<table ID=\"A\" IsMain=\"-1\"/><table ID=\"B\" IsMain=\"1\"/>"
                        "<div ID=\"RptRtf1\" IsMain=\"-1\"/>"));
    EXPECT_TRUE(page.Elements()[0]->IsMain());
    EXPECT_FALSE(page.Elements()[1]->IsMain());
    EXPECT_FALSE(page.Elements()[2]->IsMain());
    EXPECT_EQ(page.MainElement(), page.Elements()[0]);
    const QString written = page.GetDesignXML();
    EXPECT_EQ(written.count(QStringLiteral("IsMain")), 1);
}

TEST_F(Design, TagsIgnoreLetterCaseAttributesDoNot) {
    Load(QStringLiteral("<TABLE ID=\"T1\"/><Table ID=\"T2\"/><DIV ID=\"X\" left=\"50\" Top=\"7\"/>"
                        "<IMG ID=\"I\"/><span ID=\"S\"/><script><Code>x</Code></script>"));
    ASSERT_EQ(page.Elements().size(), 4);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(page.Elements()[0]), mmGrid);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(page.Elements()[1]), mmGrid);
    EXPECT_EQ(page.Elements()[2]->Left(), 0);
    EXPECT_EQ(page.Elements()[2]->Top(), 7);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(page.Elements()[3]), mmImage);
    EXPECT_TRUE(page.ScriptCode().isEmpty()); // "script" is not "Script"
    // Kept elements are written with their own tag.
    EXPECT_TRUE(page.GetDesignXML().contains(QStringLiteral("<table ID=\"T1\"")));
}

TEST_F(Design, RootMustBeBVReportExactly) {
    Load(QStringLiteral("<div ID=\"Keep\"/>"), QStringLiteral("Title=\"before\""));
    for (const char* text : {"<bvreport/>", "<Other/>", "<BVReport>", "", "plain text"}) {
        EXPECT_FALSE(page.LoadDesignXML(QString::fromUtf8(text))) << text;
    }
    EXPECT_EQ(page.Title(), QStringLiteral("before"));
    ASSERT_EQ(page.Elements().size(), 1);
    EXPECT_EQ(page.Elements()[0]->Name(), QStringLiteral("Keep"));
}

TEST_F(Design, FileVersionComesFromTheDesign) {
    const struct {
        const char* attributes;
        double version;
    } cases[] = {{"version=\"3.0\"", 3.0}, {"version=\"2.2\"", 2.2}, {"", 2.2},
                 {"version=\"new\"", 2.2}};
    for (const auto& c : cases) {
        Load({}, QString::fromUtf8(c.attributes));
        EXPECT_DOUBLE_EQ(page.FileVersion(), c.version) << c.attributes;
        EXPECT_TRUE(page.GetDesignXML().startsWith(QStringLiteral("<BVReport version=\"2.2\"")));
    }
}

TEST_F(Design, ColoursReadInEveryForm) {
    Load(QStringLiteral("<div ID=\"A\" BgColor=\"#0000FF\" BorderColor=\"clRed\" "
                        "BorderColorDark=\"255\" BorderColorLight=\"$FF0000\"/>"));
    const auto* a = Element<TRptText>(0);
    EXPECT_EQ(a->Color(), clRed);
    EXPECT_EQ(a->BorderColor(), clRed);
    EXPECT_EQ(a->BorderColorDark(), clRed);
    EXPECT_EQ(a->BorderColorLight(), clBlue);
}

TEST_F(Design, MalformedNumbersAndColoursAbortTheLoad) {
    const struct {
        const char* body;
        const char* attributes;
        int elementsKept;
    } cases[] = {
        {"<div ID=\"A\"/><div ID=\"B\" BgColor=\"#GG0000\"/><div ID=\"C\"/>", "", 2},
        {"<div ID=\"A\" Left=\"1.5\"/>", "", 1},
        {"<div ID=\"A\" Border=\"\"/>", "", 1},
        {"<div ID=\"A\"><Font AbsoluteSize=\"big\"/></div>", "", 1},
        {"<table ID=\"T\" AbsoluteTop=\"x\"/>", "", 1},
        {"<div ID=\"A\"/>", "PaperConst=\"A4\"", 0},
        {"<div ID=\"A\"/>", "TopMargin=\"\"", 0},
    };
    for (const auto& c : cases) {
        QSignalSpy dirty(&page, &TRptDesigner::OnReportDirty);
        EXPECT_THROW(page.LoadDesignXML(QStringLiteral("<BVReport PaperWidth=\"2100\" "
                                                       "PaperHeight=\"2970\" %1>%2</BVReport>")
                                            .arg(QString::fromUtf8(c.attributes),
                                                 QString::fromUtf8(c.body))),
                     ConvertError)
            << c.body;
        EXPECT_EQ(page.Elements().size(), c.elementsKept) << c.body;
        EXPECT_EQ(page.UpdateLock(), 0) << c.body;
        EXPECT_TRUE(page.Enabled() && page.Visible()) << c.body;
        EXPECT_EQ(dirty.count(), 0) << c.body;
    }
}

TEST_F(Design, DefaultFontKeepsTheTextInTheElement) {
    page.SetPaperSize(2100, 2970);
    auto* text = new TRptText(&page);
    text->setObjectName(QStringLiteral("RptText1"));
    text->SetText(QStringLiteral("合计"));
    page.AddElement(text, mmText);
    EXPECT_TRUE(page.GetDesignXML().contains(
        QStringLiteral("Padding=\"1\">合计</div>")));

    RptFont red = text->Font();
    red.color = clRed;
    text->SetFont(red);
    EXPECT_TRUE(page.GetDesignXML().contains(
        QStringLiteral("Padding=\"1\"><Font Face=\"宋体\" AbsoluteSize=\"9\" Height=\"-12\" "
                       "Charset=\"134\" Color=\"#0000FF\">合计</Font></div>")));
}

TEST_F(Design, TextBorderAndFormatRules) {
    Load(QStringLiteral("<div ID=\"A\" Border=\"1\"/><div ID=\"B\" Border=\"0\"/>"
                        "<div ID=\"C\" Border=\"-5\"/><div ID=\"D\" Border=\"4\"/>"
                        "<div ID=\"E\" FormatType=\"1\" Format=\"0.00\"/>"
                        "<div ID=\"F\" FormatType=\"2\" Format=\"0.00\"/>"
                        "<div ID=\"G\" Format=\"0.00\"/><div ID=\"H\" Align=\"LEFT\" "
                        "VAlign=\"middle\" Transparent=\"7\" Borders=\"\"/>"));
    const int borders[] = {0, 0, 0, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Element<TRptText>(i)->Border(), borders[i]) << i;
    }
    EXPECT_EQ(Element<TRptText>(4)->Format(), QStringLiteral("0.00"));
    EXPECT_TRUE(Element<TRptText>(6)->Format().isEmpty()); // read only with a format type
    const auto* h = Element<TRptText>(7);
    EXPECT_EQ(h->Alignment(), taLeftJustify);
    EXPECT_EQ(h->VAlign(), tlCenter);
    EXPECT_TRUE(h->Transparent());

    const QString written = page.GetDesignXML();
    EXPECT_TRUE(written.contains(QStringLiteral("<div ID=\"A\" Left=\"0\" Top=\"0\" Width=\"100\" "
                                                "Height=\"20\" Border=\"1\" ")));
    EXPECT_TRUE(written.contains(QStringLiteral("Padding=\"1\" FormatType=\"1\"/>")));
    EXPECT_TRUE(written.contains(QStringLiteral("FormatType=\"2\" Format=\"0.00\"/>")));
}

TEST_F(Design, ElementWithoutAttributesReadsOnlyTextAndFont) {
    Load(QStringLiteral("<div>纯文本<Font Face=\"Arial\"/></div>"));
    const auto* e = Element<TRptText>(0);
    EXPECT_EQ(e->Name(), QStringLiteral("RptText1"));
    EXPECT_EQ(e->Text(), QStringLiteral("纯文本"));
    EXPECT_EQ(e->Font().face, QStringLiteral("Arial"));
    EXPECT_EQ(e->Bounds(), QRect(0, 0, 100, 20));
}

TEST_F(Design, DataTypeFromTheFileLeavesReadOnlyAlone) {
    Load(QStringLiteral("<div ID=\"A\" DataType=\"1\"/>"));
    EXPECT_FALSE(Element<TRptText>(0)->ReadOnly());
    Element<TRptText>(0)->SetDataType(1);
    EXPECT_TRUE(Element<TRptText>(0)->ReadOnly());
    Element<TRptText>(0)->SetDataType(0);
    EXPECT_FALSE(Element<TRptText>(0)->ReadOnly());
}

TEST_F(Design, ScriptTakesTheFirstCode) {
    Load(QStringLiteral("<Script><Code ScriptType=\"2\">one</Code><Code>two</Code></Script>"));
    EXPECT_EQ(page.ScriptType(), 2);
    EXPECT_EQ(page.ScriptCode(), QStringLiteral("one"));
    Load(QStringLiteral("<Script/>"));
    EXPECT_EQ(page.ScriptType(), 0);
    EXPECT_TRUE(page.ScriptCode().isEmpty());
    EXPECT_FALSE(page.GetDesignXML().contains(QStringLiteral("Script")));
}
