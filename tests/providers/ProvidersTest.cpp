#include "document/RptDesigner.h"
#include "providers/RptDocs.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(Providers, SerialNumbersAndCopies) {
    TRptDocs docs;
    TRptDoc* first = docs.Add();
    TRptDoc* second = docs.Add();
    EXPECT_EQ(second->ID(), first->ID() + 1);
    first->SetName(QStringLiteral("月报"));
    first->SetXML(QStringLiteral("<BVReport/>"));
    first->SetTag(7);
    first->SetRptID(70);
    first->SetFileName(QStringLiteral("/tmp/月报.zrp"));
    first->SetDefault(1);
    first->SetState(rpsAdded);
    first->SetDefaultChanged(-1);
    const int secondId = second->ID();
    second->AssignFrom(first);
    EXPECT_EQ(second->ID(), secondId);
    EXPECT_EQ(second->Name(), first->Name());
    EXPECT_EQ(second->XML(), first->XML());
    EXPECT_EQ(second->Tag(), 7);
    EXPECT_EQ(second->RptID(), 70);
    EXPECT_EQ(second->FileName(), first->FileName());
    EXPECT_EQ(second->Default(), 1);
    EXPECT_EQ(second->State(), rpsAdded);
    EXPECT_EQ(second->DefaultChanged(), -1);
    EXPECT_EQ(docs.ProviderByID(secondId), second);
    EXPECT_EQ(docs.ProviderByID(-5), nullptr);

    first->SetDefault(-1); // the same truth: the first value stays
    EXPECT_EQ(first->Default(), 1);
    first->SetDefault(0);
    EXPECT_EQ(first->Default(), 0);
}

TEST(Providers, InsertDeleteItemsAndEnumeration) {
    TRptDocs docs;
    TRptDoc* a = docs.Add();
    TRptDoc* b = docs.Add();
    TRptDoc* front = docs.Insert(0);
    TRptDoc* back = docs.Insert(5);
    EXPECT_EQ(docs.Items(0), front);
    EXPECT_EQ(docs.Items(1), a);
    EXPECT_EQ(docs.Items(2), b);
    EXPECT_EQ(docs.Items(3), back);
    EXPECT_EQ(docs.Items(4), nullptr);
    EXPECT_EQ(front->Owner(), &docs);

    TRptDocs others;
    TRptDoc* p = others.Add();
    p->SetName(QStringLiteral("外来"));
    docs.SetItems(1, p);
    EXPECT_EQ(docs.IndexOfProvider(p), -1); // the item is a copy
    EXPECT_EQ(docs.Items(1)->Name(), QStringLiteral("外来"));
    docs.SetItems(9, p);
    docs.Delete(9);
    docs.Delete(0);
    EXPECT_EQ(docs.Count(), 3);

    TRptPvdsEnumerator walk = docs.NewEnum();
    QList<TRptDoc*> got;
    EXPECT_TRUE(walk.Next(1, got));
    EXPECT_TRUE(walk.Next(1, got));
    TRptPvdsEnumerator copy = walk.Clone();
    EXPECT_TRUE(walk.Next(1, got));
    EXPECT_FALSE(walk.Next(1, got));
    EXPECT_EQ(got, (QList<TRptDoc*>{a, b, back}));
    QList<TRptDoc*> rest;
    EXPECT_FALSE(copy.Next(5, rest));
    EXPECT_EQ(rest, QList<TRptDoc*>{back});
    TRptPvdsEnumerator fresh = docs.NewEnum();
    QList<TRptDoc*> all;
    EXPECT_FALSE(fresh.Next(5, all));
    EXPECT_EQ(all.size(), 3);
    fresh.Reset();
    EXPECT_TRUE(fresh.Skip(3));
    EXPECT_FALSE(fresh.Skip(1));
}

TEST(Providers, OwnAndSharedDataSources) {
    TRptDocs docs;
    TRptDoc* p = docs.Add();
    EXPECT_EQ(p->DataSources(), nullptr);
    docs.SetSingleDataSources(1);
    const std::shared_ptr<TRptDSOs> shared = docs.DataSources();
    ASSERT_TRUE(shared);
    docs.SetSingleDataSources(-1); // the same truth: still the one collection
    EXPECT_EQ(docs.DataSources(), shared);
    EXPECT_EQ(p->DataSources(), shared);
    TRptDoc* later = docs.Add();
    EXPECT_EQ(later->DataSources(), shared); // no own sources: the shared ones
    EXPECT_TRUE(later->CreateDataSources());
    EXPECT_NE(later->DataSources(), shared);
    EXPECT_FALSE(later->CreateDataSources());

    // With shared sources a copy keeps its own; without, it shares the source's.
    TRptDocs separate;
    TRptDoc* q = separate.Add();
    q->AssignFrom(later);
    EXPECT_EQ(q->DataSources(), later->DataSources());
    p->AssignFrom(later);
    EXPECT_EQ(p->DataSources(), shared);

    docs.SetSingleDataSources(0);
    EXPECT_EQ(docs.DataSources(), shared);
}

TEST(Providers, ALinkToTheCollectionDoesNotKeepItAlive) {
    RptDocPtr kept;
    {
        TRptDocs docs;
        docs.Add();
        docs.SetSingleDataSources(1);
        kept = docs.Item(0);
    }
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->Owner(), nullptr);
    EXPECT_TRUE(kept->DataSources()); // the shared sources it was given stay with it
}

TEST(Providers, APageWritesItsDesignBackIntoTheProvider) {
    TRptDocs docs;
    TRptDoc* provider = docs.Add();
    provider->SetXML(QStringLiteral("<BVReport Title=\"原\" PaperWidth=\"2100\" PaperHeight=\"2970\"/>"));
    TRptDesigner page;
    page.SetProvider(provider);
    page.SetTitle(QStringLiteral("改"));
    page.SetDirty(true);
    page.SetProvider(nullptr);
    EXPECT_TRUE(provider->XML().contains(QStringLiteral("Title=\"改\"")));
    EXPECT_EQ(provider->State(), rpsDirty);
}
