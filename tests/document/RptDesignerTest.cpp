#include "document/RptDesigner.h"
#include "document/RptText.h"
#include "table/RptTable.h"

#include "TestSupport.h"

#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// An A4 page with the default margins.
struct A4Page : ::testing::Test {
    TRptDesigner page;
    void SetUp() override { page.SetPaperSize(2100, 2970); }
};

} // namespace

using Margins = A4Page;

TEST_F(Margins, ValidationAgainstThePaper) {
    TSizeMargins& m = *page.Margins();
    const struct {
        int index;
        int value;
        bool accepted;
    } cases[] = {
        {TSizeMargins::LeftIndex, 2000, false}, // 2000 >= 2100 - 317
        {TSizeMargins::LeftIndex, 1782, true},  // 1782 < 1783
        {TSizeMargins::RightIndex, 318, false}, // now 318 >= 2100 - 1782
        {TSizeMargins::LeftIndex, 317, true},
        {TSizeMargins::TopIndex, 2716, false},  // 2716 >= 2970 - 254
        {TSizeMargins::BottomIndex, 2715, true},
        {TSizeMargins::BottomIndex, 254, true},
        {TSizeMargins::BindIndex, 5000, true},  // the binding is always accepted
        {TSizeMargins::LeftIndex, 0, false},    // ...and then leaves no room on the left
        {TSizeMargins::LeftIndex, -1, false},
    };
    const auto current = [&m](int index) {
        const int values[] = {m.LeftMargin(), m.TopMargin(), m.RightMargin(), m.BottomMargin(),
                              m.Bind()};
        return values[index];
    };
    for (const auto& c : cases) {
        const int before = current(c.index);
        EXPECT_EQ(m.SetValue(c.index, c.value), c.accepted) << c.index << ' ' << c.value;
        EXPECT_EQ(current(c.index), c.accepted ? c.value : before) << c.index << ' ' << c.value;
    }
}

TEST_F(Margins, BindingCountsOnItsSideOnly) {
    TSizeMargins& m = *page.Margins();
    m.SetBind(500);
    EXPECT_FALSE(m.SetValue(TSizeMargins::LeftIndex, 1300)); // 1300 >= 2100 - 317 - 500
    m.SetBindPos(bpTop);
    EXPECT_TRUE(m.SetValue(TSizeMargins::LeftIndex, 1300));
    EXPECT_FALSE(m.SetValue(TSizeMargins::TopIndex, 2300)); // 2300 >= 2970 - 254 - 500
}

TEST_F(Margins, ChangesMarkThePageDirtyAndRefusalsDoNot) {
    QSignalSpy dirty(&page, &TRptDesigner::OnReportDirty);
    page.Margins()->SetLeftMargin(2000); // refused
    page.Margins()->SetLeftMargin(317);  // unchanged
    EXPECT_EQ(dirty.count(), 0);
    EXPECT_FALSE(page.Dirty());
    page.Margins()->SetLeftMargin(400);
    EXPECT_EQ(dirty.count(), 1);
    EXPECT_TRUE(page.Dirty());
    page.Margins()->SetBindPos(bpTop);
    EXPECT_EQ(dirty.count(), 2);
}

TEST_F(Margins, AssignCopiesFourMarginsNotTheBinding) {
    TRptDesigner other;
    other.SetPaperSize(2100, 2970);
    other.Margins()->SetLeftMargin(100);
    other.Margins()->SetBottomMargin(50);
    other.Margins()->SetBind(30);
    other.Margins()->SetBindPos(bpTop);
    QSignalSpy changed(page.Margins(), &TSizeMargins::OnChange);
    page.Margins()->Assign(*other.Margins());
    EXPECT_EQ(page.Margins()->LeftMargin(), 100);
    EXPECT_EQ(page.Margins()->BottomMargin(), 50);
    EXPECT_EQ(page.Margins()->Bind(), 0);
    EXPECT_EQ(page.Margins()->BindPos(), bpLeft);
    EXPECT_EQ(changed.count(), 1);
}

using PageLayout = A4Page;

TEST_F(PageLayout, ClientAndContentRectanglesInDesignPixels) {
    // 2100 x 2970 tenths of a millimetre at 96 pixels per inch: 793.7 x 1122.5 pixels.
    EXPECT_EQ(page.ClientRect(), QRect(0, 0, 794, 1123));
    // 317 -> 119.8, 254 -> 96: each edge converted on its own.
    EXPECT_EQ(page.GetContentRect(), QRect(QPoint(120, 96), QPoint(794 - 120 - 1, 1123 - 96 - 1)));
    page.Margins()->SetBind(100); // 417 -> 157.6
    EXPECT_EQ(page.GetContentRect().left(), 158);
    page.Margins()->SetBindPos(bpTop); // 354 -> 133.8
    EXPECT_EQ(page.GetContentRect().left(), 120);
    EXPECT_EQ(page.GetContentRect().top(), 134);
}

TEST_F(PageLayout, PaperSizeSignalsOnlyOnChange) {
    QSignalSpy spy(&page, &TRptDesigner::OnPaperSizeChanged);
    page.SetPaperSize(2100, 2970);
    EXPECT_EQ(spy.count(), 0);
    page.SetPaperSize(2970, 2100);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(page.ClientRect().size(), QSize(1123, 794));
}

TEST_F(PageLayout, DockedElementsFillTheContentRectangle) {
    auto make = [&](int align, QRect bounds) {
        auto* e = new TRptText(&page);
        e->setObjectName(page.MakeElementName(QStringLiteral("TRptText")));
        e->SetBounds(bounds);
        e->SetAlign(align);
        page.AddElement(e, mmText);
        return e;
    };
    const QRect area = page.GetContentRect();
    TRptText* top2 = make(alTop, QRect(0, 500, 10, 30));
    TRptText* top1 = make(alTop, QRect(0, 50, 10, 20)); // above the other: placed first
    TRptText* bottom = make(alBottom, QRect(0, 0, 10, 40));
    TRptText* left = make(alLeft, QRect(0, 0, 50, 10));
    TRptText* right = make(alRight, QRect(0, 0, 60, 10));
    TRptText* client = make(alClient, QRect(0, 0, 1, 1));
    const int l = area.left(), t = area.top(), w = area.width(), h = area.height();
    EXPECT_EQ(top1->Bounds(), QRect(l, t, w, 20));
    EXPECT_EQ(top2->Bounds(), QRect(l, t + 20, w, 30));
    EXPECT_EQ(bottom->Bounds(), QRect(l, t + h - 40, w, 40));
    EXPECT_EQ(left->Bounds(), QRect(l, t + 50, 50, h - 90));
    EXPECT_EQ(right->Bounds(), QRect(l + w - 60, t + 50, 60, h - 90));
    EXPECT_EQ(client->Bounds(), QRect(l + 50, t + 50, w - 110, h - 90));

    // A wider margin moves every docked element with it.
    page.Margins()->SetLeftMargin(635); // 240 pixels
    EXPECT_EQ(top1->Left(), 240);
    EXPECT_EQ(left->Left(), 240);
    EXPECT_EQ(client->Left(), 290);
}

TEST(PageModel, CreatedInCodeStartsWithoutPaper) {
    TRptDesigner page;
    EXPECT_EQ(page.PaperWidth(), 0);
    EXPECT_EQ(page.PaperHeight(), 0);
    EXPECT_EQ(page.PaperConst(), 9);
    EXPECT_DOUBLE_EQ(page.Version(), 2.2);
    EXPECT_EQ(page.Font().height, -12);
    EXPECT_EQ(page.Font().charset, 134);
}

using Elements = A4Page;

TEST_F(Elements, AddAndRemoveNotifyAndKeepTheMainRule) {
    QSignalSpy added(&page, &TRptDesigner::OnElementAdded);
    QSignalSpy deleted(&page, &TRptDesigner::OnElementDelete);
    auto* first = new TRptTable(&page);
    first->SetMainFlag(true);
    auto* second = new TRptTable(&page);
    second->SetMainFlag(true);
    page.AddElement(first, mmGrid);
    page.AddElement(second, mmGrid);
    EXPECT_TRUE(first->IsMain());
    EXPECT_FALSE(second->IsMain());
    EXPECT_EQ(page.MainElement(), first);
    ASSERT_EQ(added.count(), 2);
    EXPECT_EQ(added[0][2].toInt(), mmGrid);

    page.RemoveElement(first, mmGrid);
    EXPECT_FALSE(page.HasMainElement());
    EXPECT_EQ(page.MainElement(), nullptr);
    EXPECT_EQ(deleted.count(), 1);
    EXPECT_EQ(page.Elements(), QList<TRptElement*>{second});
    delete first;

    second->SetMainFlag(true);
    page.ClearElements();
    EXPECT_TRUE(page.Elements().isEmpty());
    EXPECT_EQ(deleted.count(), 2);
}

TEST_F(Elements, NamesAreNumberedWithoutTheLeadingT) {
    EXPECT_EQ(page.MakeElementName(QStringLiteral("TRptText")), QStringLiteral("RptText1"));
    auto* a = new TRptText(&page);
    a->setObjectName(QStringLiteral("rpttext1")); // names compare without letter case
    auto* b = new TRptText(&page);
    b->setObjectName(QStringLiteral("RptText3"));
    EXPECT_EQ(page.MakeElementName(QStringLiteral("TRptText")), QStringLiteral("RptText2"));
    EXPECT_EQ(page.MakeElementName(QStringLiteral("tRptTable")), QStringLiteral("RptTable1"));
    EXPECT_EQ(page.MakeElementName(QStringLiteral("Box")), QStringLiteral("Box1"));
}

TEST_F(Elements, FreedAndRenamedNamesBecomeAvailableAgain) {
    QList<TRptText*> texts;
    for (int i = 0; i < 4; ++i) {
        auto* e = new TRptText(&page);
        e->setObjectName(page.MakeElementName(QStringLiteral("TRptText")));
        texts << e;
    }
    EXPECT_EQ(texts[3]->Name(), QStringLiteral("RptText4"));
    delete texts[1];
    EXPECT_EQ(page.MakeElementName(QStringLiteral("TRptText")), QStringLiteral("RptText2"));
    texts[0]->setObjectName(QStringLiteral("Heading"));
    EXPECT_EQ(page.MakeElementName(QStringLiteral("TRptText")), QStringLiteral("RptText1"));
    EXPECT_TRUE(page.IsNameTaken(QStringLiteral("HEADING")));
    EXPECT_FALSE(page.IsNameTaken(QStringLiteral("RptText1")));
    // "RptText03" is not "RptText3": removing it frees nothing.
    texts[2]->setObjectName(QStringLiteral("RptText03"));
    delete texts[2];
    EXPECT_EQ(page.MakeElementName(QStringLiteral("TRptText")), QStringLiteral("RptText1"));
    // A component moved to another owner no longer holds its name here.
    TRptDesigner other;
    texts[3]->setParent(&other);
    EXPECT_FALSE(page.IsNameTaken(QStringLiteral("RptText4")));
    EXPECT_TRUE(other.IsNameTaken(QStringLiteral("RptText4")));
}

TEST(ElementNames, FriendlyNames) {
    const struct {
        const char* name;
        const char* friendly;
    } cases[] = {
        {"RptText1", "文本1"},   {"RptTable2", "表格2"}, {"RptImage10", "图片10"},
        {"RptRtf3", "文档3"},    {"MyRptTableX", "表格X"}, {"RptTextRptTable", "文本RptTable"},
        {"Caption", ""},        {"rpttext1", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TRptDesigner::ElementFriendlyName(QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.friendly))
            << c.name;
    }
}

TEST_F(Elements, TypeOfExactClassesOnly) {
    TRptText text(&page);
    TRptTable table(&page);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(&text), mmText);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(&table), mmGrid);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(&page), mmNone);
    EXPECT_EQ(TRptDesigner::ElementTypeOf(nullptr), mmNone);
}

TEST_F(Elements, FrontAndBackReorderAndMarkDirty) {
    QList<TRptElement*> list;
    for (int i = 0; i < 3; ++i) {
        auto* e = new TRptText(&page);
        page.AddElement(e, mmText);
        list << e;
    }
    page.BringToFront(list[0], true);
    EXPECT_EQ(page.Elements(), (QList<TRptElement*>{list[1], list[2], list[0]}));
    EXPECT_TRUE(page.Dirty());
    page.BringToFront(list[2], false);
    EXPECT_EQ(page.Elements(), (QList<TRptElement*>{list[2], list[1], list[0]}));
}

TEST(PageState, UpdateLockSilencesDirtyNotifications) {
    TRptDesigner page;
    QSignalSpy spy(&page, &TRptDesigner::OnReportDirty);
    page.SetDirty(false);
    EXPECT_EQ(spy.count(), 1); // whatever the value
    page.BeginUpdate();
    page.BeginUpdate();
    page.SetDirty(true);
    page.EndUpdate();
    page.SetDirty(true);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(page.Dirty());
    page.EndUpdate();
    page.EndUpdate(); // never below zero
    EXPECT_EQ(page.UpdateLock(), 0);
    page.SetDirty(true);
    EXPECT_EQ(spy.count(), 2);
}

namespace {

struct RecordingValues : IRptSourcesValues {
    QStringList calls;
    IRptPageInfoEnumerator* seenPageInfo = nullptr;
    QVariant GetValue(int dataType, const QString& source, const QString& field, int formatType,
                      const QString& format, int row, int subRow,
                      IRptPageInfoEnumerator* pageInfo) override {
        calls << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                     .arg(dataType)
                     .arg(source, field)
                     .arg(formatType)
                     .arg(format)
                     .arg(row)
                     .arg(subRow);
        seenPageInfo = pageInfo;
        return QStringLiteral("value");
    }
};

struct FakeProvider : IRptDesignProvider {
    QString xml;
    int state = rpsUnspecial;
    RecordingValues values;
    bool offersValues = true;
    QList<bool> opened;
    QString XML() const override { return xml; }
    void SetXML(const QString& text) override { xml = text; }
    int State() const override { return state; }
    void SetState(int s) override { state = s; }
    IRptSourcesValues* SourcesValues() override { return offersValues ? &values : nullptr; }
    void OpenUnparsedSources(bool databaseOnly) override { opened << databaseOnly; }
};

struct FixedPageInfo : IRptPageInfoEnumerator {
    int GetPageInfo(int code) override { return code * 10; }
};

} // namespace

TEST(PageProvider, ValueLookupIsForwardedWithThePageAsPageInformation) {
    TRptDesigner page;
    EXPECT_FALSE(page.GetRptSourceData(nullptr, 1, 1, "S", "S.F", 0, {}, 1, 0).isValid());
    FakeProvider provider;
    provider.xml = QStringLiteral("<BVReport/>");
    page.SetProvider(&provider);
    const QVariant v =
        page.GetRptSourceData(nullptr, mmText, 3, QStringLiteral("Orders"),
                              QStringLiteral("Orders.Amount"), 2, QStringLiteral("0.00"), 5, 2);
    EXPECT_EQ(v.toString(), QStringLiteral("value"));
    EXPECT_EQ(provider.values.calls, QStringList{QStringLiteral("3|Orders|Orders.Amount|2|0.00|5|2")});
    EXPECT_EQ(provider.values.seenPageInfo, &page);

    provider.offersValues = false;
    EXPECT_FALSE(page.GetRptSourceData(nullptr, 1, 1, "S", "S.F", 0, {}, 1, 0).isValid());
}

TEST(PageProvider, PageInformationComesFromTheInstalledHandler) {
    TRptDesigner page;
    EXPECT_EQ(page.GetPageInfo(3), 0);
    FixedPageInfo handler;
    page.SetPageInfoHandler(&handler);
    EXPECT_EQ(page.GetPageInfo(3), 30);
    page.SetPageInfoHandler(nullptr);
    EXPECT_EQ(page.GetPageInfo(3), 0);
}

TEST(PageProvider, SwitchingHandsTheChangedDesignBack) {
    TRptDesigner page;
    FakeProvider first;
    first.xml = QStringLiteral("<BVReport Title=\"one\" PaperWidth=\"2100\" PaperHeight=\"2970\"/>");
    FakeProvider second;
    second.xml = QStringLiteral("<BVReport Title=\"two\" PaperWidth=\"1000\" PaperHeight=\"1000\"/>");
    second.state = rpsAdded;

    page.SetProvider(&first);
    EXPECT_EQ(page.Title(), QStringLiteral("one"));
    EXPECT_EQ(first.opened, QList<bool>{false});
    EXPECT_FALSE(page.Dirty());

    page.SetTitle(QStringLiteral("changed"));
    page.SetDirty(true);
    page.SetProvider(&second);
    EXPECT_TRUE(first.xml.contains(QStringLiteral("Title=\"changed\"")));
    EXPECT_EQ(first.state, rpsDirty);
    EXPECT_EQ(page.Title(), QStringLiteral("two"));

    // An unchanged design is not written back, and a state other than rpsUnspecial is kept.
    page.SetProvider(&first);
    EXPECT_EQ(second.xml.left(30), QStringLiteral("<BVReport Title=\"two\" PaperWid"));
    page.SetDirty(true);
    page.SetProvider(nullptr);
    EXPECT_EQ(first.state, rpsDirty);
    EXPECT_EQ(page.Provider(), nullptr);
}

TEST(PageProvider, ShowSourceOffOpensDatabaseSources) {
    TRptDesigner page;
    FakeProvider provider;
    provider.xml = QStringLiteral("<BVReport/>");
    page.SetProvider(&provider);
    page.SetShowSource(true);
    EXPECT_EQ(provider.opened, QList<bool>{false});
    page.SetShowSource(false);
    EXPECT_EQ(provider.opened, (QList<bool>{false, true}));
}

TEST(PageProvider, BrokenDesignIsSwallowedKeepingWhatWasRead) {
    TRptDesigner page;
    FakeProvider provider;
    provider.xml = QStringLiteral("<BVReport PaperWidth=\"1000\" PaperHeight=\"x\"/>");
    page.SetProvider(&provider);
    EXPECT_EQ(page.Provider(), &provider);
    EXPECT_EQ(page.UpdateLock(), 0);
}

TEST(Devices, RateFollowsThePixelRatioAndIsCached) {
    TRptDesigner page;
    QImage plain(10, 10, QImage::Format_RGB32);
    QImage doubled(10, 10, QImage::Format_RGB32);
    doubled.setDevicePixelRatio(2.0);
    EXPECT_DOUBLE_EQ(page.DpiRate(&plain), 1.0);
    EXPECT_DOUBLE_EQ(page.DpiRate(&doubled), 2.0);
    doubled.setDevicePixelRatio(1.0);
    EXPECT_DOUBLE_EQ(page.DpiRate(&doubled), 2.0); // the first answer is kept
}

TEST(Devices, FontsFollowTheDeviceResolution) {
    TRptDesigner page;
    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(23622); // 600 pixels per inch
    image.setDotsPerMeterY(23622);
    RptFont font = RptFont::PageFont();
    page.AdjustFontToDevice(font, &image);
    EXPECT_EQ(font.pixelsPerInch, 600);
    EXPECT_EQ(font.size, 9);
    EXPECT_EQ(font.height, -75);

    QImage screen(10, 10, QImage::Format_RGB32);
    screen.setDotsPerMeterY(3780); // 96 pixels per inch
    RptFont same = RptFont::PageFont();
    page.AdjustFontToDevice(same, &screen);
    EXPECT_EQ(same, RptFont::PageFont());

    QImage retina(10, 10, QImage::Format_RGB32);
    retina.setDotsPerMeterY(3780);
    retina.setDevicePixelRatio(1.5);
    RptFont scaled = RptFont::PageFont();
    page.AdjustFontToDevice(scaled, &retina);
    EXPECT_EQ(scaled.pixelsPerInch, 144);
    EXPECT_EQ(scaled.height, -18);
}
