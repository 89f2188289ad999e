#include "TestSupport.h"
#include "document/RptDesigner.h"
#include "document/RptText.h"
#include "pages/Canvas.h"
#include "pages/RecordingDevice.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// Answers what it is told and keeps the request it was given.
struct ScriptedAnswer : ScriptedDrawer {
    ScriptedDrawResult answer;
    std::optional<ScriptedDrawRequest> seen;
    ScriptedDrawResult Run(const ScriptedDrawRequest& request) override {
        seen = request;
        return answer;
    }
};

// Installs a drawer for the lifetime of a test.
struct InstalledDrawer {
    explicit InstalledDrawer(ScriptedDrawer& drawer) { InstallScriptedDrawer(&drawer); }
    ~InstalledDrawer() { InstallScriptedDrawer(nullptr); }
};

struct ScriptFixture : ::testing::Test {
    TRptDesigner page;
    TRptText* element = new TRptText(&page);
    RecordingDevice device;

    void SetUp() override {
        element->SetBounds(QRect(10, 5, 100, 20));
        element->SetText(QStringLiteral("own"));
        element->SetBorder(1);
    }

    QStringList RenderTexts(double scale = 1.0) {
        QPainter painter(&device);
        Canvas canvas(painter);
        element->RenderOnPage(canvas, 1, &page, {}, scale, scale, 0, 0);
        return Texts();
    }
    QStringList SurfaceTexts() {
        QPainter painter(&device);
        Canvas canvas(painter);
        element->PaintOnSurface(canvas);
        return Texts();
    }
    QStringList Texts() const {
        QStringList texts;
        for (const RecordedOp& op : device.OpsOf(RecordedOp::Text)) {
            texts << op.text;
        }
        return texts;
    }
};

const QString kVbMissing = QStringLiteral("请检查脚本引擎的安装状态，使用VBScript服务异常。");

} // namespace

TEST(ElementScriptSelection, NumberAndColonSelectTheReportScript) {
    TRptDesigner page;
    page.SetScript(1, QStringLiteral("function Total() {}"));
    const auto report = SelectElementScript(QStringLiteral("2:Total"), 0,
                                            QStringLiteral("Sub Total\nEnd Sub"), &page);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->language, 1);
    EXPECT_EQ(report->text, QStringLiteral("function Total() {}"));
    EXPECT_EQ(report->procedure, QStringLiteral("Total"));
    // Text before the colon that is not a number still selects the report's script.
    EXPECT_EQ(SelectElementScript(QStringLiteral("x:Fmt"), 0, {}, &page)->procedure,
              QStringLiteral("Fmt"));

    const auto own = SelectElementScript(QStringLiteral("Total"), 0,
                                         QStringLiteral("Sub Total\nEnd Sub"), &page);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->language, 0);
    EXPECT_EQ(own->text, QStringLiteral("Sub Total\nEnd Sub"));
    EXPECT_EQ(own->procedure, QStringLiteral("Total"));

    EXPECT_FALSE(SelectElementScript(QStringLiteral("Total"), 0, QString(), &page));
    EXPECT_FALSE(SelectElementScript(QStringLiteral("0:Total"), 0, QStringLiteral("x"), nullptr));
    page.SetScript(0, QString());
    EXPECT_FALSE(SelectElementScript(QStringLiteral("0:Total"), 0, QStringLiteral("x"), &page));
}

TEST_F(ScriptFixture, WithoutAScriptEngineTheElementDrawsNoTextButItsFrame) {
    element->SetScriptProc(QStringLiteral("Total"));
    element->SetScriptCode(QStringLiteral("Sub Total\nEnd Sub"));
    EXPECT_TRUE(RenderTexts().isEmpty());
    EXPECT_EQ(element->LastScriptErrors(), kVbMissing);
    EXPECT_FALSE(device.OpsOf(RecordedOp::Polygon).isEmpty());
}

TEST_F(ScriptFixture, ReportScriptRunsEvenWhenTheElementHasItsOwn) {
    element->SetScriptProc(QStringLiteral("2:Total"));
    element->SetScriptCode(QStringLiteral("Sub Total\nEnd Sub"));
    // The report has no script: nothing runs and the text is drawn.
    EXPECT_EQ(RenderTexts(), QStringList{QStringLiteral("own")});
    EXPECT_TRUE(element->LastScriptErrors().isEmpty());

    page.SetScript(1, QStringLiteral("function Total() {}"));
    RecordingDevice fresh;
    {
        QPainter painter(&fresh);
        Canvas canvas(painter);
        element->RenderOnPage(canvas, 1, &page, {}, 1, 1, 0, 0);
    }
    EXPECT_TRUE(fresh.OpsOf(RecordedOp::Text).isEmpty());
    EXPECT_EQ(element->LastScriptErrors(),
              QStringLiteral("请检查脚本引擎的安装状态，使用JScript服务异常。"));
}

TEST_F(ScriptFixture, EmptyOwnScriptRunsNothing) {
    element->SetScriptProc(QStringLiteral("Total"));
    EXPECT_EQ(RenderTexts(), QStringList{QStringLiteral("own")});
}

TEST_F(ScriptFixture, ScriptThatGivesTheDrawingBackShowsItsValue) {
    ScriptedAnswer drawer;
    InstalledDrawer installed(drawer);
    drawer.answer.breakDrawing = false;
    drawer.answer.value = QStringLiteral("A");
    element->SetScriptProc(QStringLiteral("Total"));
    element->SetScriptCode(QStringLiteral("Sub Total\nEnd Sub"));
    element->SetScriptType(0);
    element->SetDataType(rdtDataValue);
    element->SetDataField(QStringLiteral("S.F"));
    EXPECT_EQ(RenderTexts(6.25), QStringList{QStringLiteral("A")});
    ASSERT_TRUE(drawer.seen);
    const ScriptedDrawRequest& request = *drawer.seen;
    EXPECT_EQ(request.script.procedure, QStringLiteral("Total"));
    EXPECT_EQ(request.script.text, QStringLiteral("Sub Total\nEnd Sub"));
    EXPECT_EQ(request.value, QVariant(QStringLiteral("own")));
    EXPECT_EQ(request.binding.dataType, rdtDataValue);
    EXPECT_EQ(request.binding.dataField, QStringLiteral("S.F"));
    EXPECT_EQ(request.scaleX, 6.25);
    EXPECT_EQ(request.element, element);
    EXPECT_EQ(request.page, &page);
    EXPECT_NE(request.canvas, nullptr);
    // Inside the border and padding, device pixels: origin (69, 38), insets 6 and 12.
    EXPECT_EQ(request.rect, (PixelRect{69 + 6 + 12, 38 + 6 + 12, 69 + 625 - 18, 38 + 125 - 18}));
}

TEST_F(ScriptFixture, ScriptThatFailsAfterGivingTheDrawingBackShowsTheError) {
    ScriptedAnswer drawer;
    InstalledDrawer installed(drawer);
    drawer.answer.breakDrawing = false;
    drawer.answer.errors = QStringLiteral("boom");
    element->SetScriptCode(QStringLiteral("x = 1"));
    EXPECT_EQ(RenderTexts(), QStringList{QStringLiteral("#Err# boom")});
    ASSERT_TRUE(drawer.seen);
    EXPECT_TRUE(drawer.seen->script.procedure.isEmpty());
}

TEST_F(ScriptFixture, ScriptThatKeepsTheDrawingShowsNothingOfItsOwn) {
    ScriptedAnswer drawer;
    InstalledDrawer installed(drawer);
    drawer.answer.errors = QStringLiteral("boom");
    drawer.answer.value = QStringLiteral("A");
    element->SetScriptCode(QStringLiteral("x = 1"));
    EXPECT_TRUE(RenderTexts().isEmpty());
    EXPECT_EQ(element->LastScriptErrors(), QStringLiteral("boom"));
}

TEST_F(ScriptFixture, DesignSurfaceShowsTheScriptTextWhileShowingSources) {
    ScriptedAnswer drawer;
    InstalledDrawer installed(drawer);
    element->SetScriptCode(QStringLiteral("x = 1"));
    page.SetShowSource(true);
    EXPECT_EQ(SurfaceTexts(), QStringList{QStringLiteral("x = 1")});
    EXPECT_FALSE(drawer.seen);
}

TEST_F(ScriptFixture, DesignSurfaceRunsTheScriptAtScaleOne) {
    ScriptedAnswer drawer;
    InstalledDrawer installed(drawer);
    drawer.answer.breakDrawing = false;
    element->SetScriptCode(QStringLiteral("x = 1"));
    EXPECT_EQ(SurfaceTexts(), QStringList{QStringLiteral("own")});
    ASSERT_TRUE(drawer.seen);
    EXPECT_EQ(drawer.seen->scaleY, 1.0);
    // Client 100 x 20 less the outer pixel, the border and padding + 1.
    EXPECT_EQ(drawer.seen->rect, (PixelRect{4, 4, 96, 16}));
}

TEST_F(ScriptFixture, DesignSurfaceWithoutAnEngineShowsNoText) {
    element->SetScriptCode(QStringLiteral("x = 1"));
    EXPECT_TRUE(SurfaceTexts().isEmpty());
    EXPECT_EQ(element->LastScriptErrors(), kVbMissing);
}
