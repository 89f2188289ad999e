#include "document/RptDesigner.h"

#include "common/Numbers.h"
#include "common/Units.h"
#include "document/RptText.h"
#include "elements/RptImage.h"
#include "elements/RptRtf.h"
#include "table/RptTable.h"

#include <QChildEvent>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <algorithm>
#include <cstring>

namespace vevezo {

TRptDesigner::TRptDesigner(QObject* parent) : QObject(parent), font_(RptFont::PageFont()) {
    margins_ = new TSizeMargins(this);
    connect(margins_, &TSizeMargins::OnChange, this, &TRptDesigner::MarginsChanged);
}

TRptDesigner::~TRptDesigner() = default;

// --- paper and layout ----------------------------------------------------------------------------

void TRptDesigner::SetPaperSize(int width, int height) {
    if (width == paperWidth_ && height == paperHeight_) {
        return;
    }
    paperWidth_ = width;
    paperHeight_ = height;
    emit OnPaperSizeChanged();
    AlignElements();
}

QRect TRptDesigner::ClientRect() const {
    return QRect(0, 0, TenthsMmToPixels(paperWidth_), TenthsMmToPixels(paperHeight_));
}

QRect TRptDesigner::GetContentRect() const {
    const QRect client = ClientRect();
    const long double leftBind = margins_->BindPos() == bpLeft ? margins_->Bind() : 0;
    const long double topBind = margins_->BindPos() == bpTop ? margins_->Bind() : 0;
    const int left = client.left() + TenthsMmToPixels(margins_->LeftMargin() + leftBind);
    const int top = client.top() + TenthsMmToPixels(margins_->TopMargin() + topBind);
    const int right = client.left() + client.width() - TenthsMmToPixels(margins_->RightMargin());
    const int bottom = client.top() + client.height() - TenthsMmToPixels(margins_->BottomMargin());
    return QRect(left, top, right - left, bottom - top);
}

void TRptDesigner::AlignElements() {
    // While a design is read, docking waits until every element is in place.
    if (aligning_ || loading_) {
        return;
    }
    aligning_ = true;
    const QRect area = GetContentRect();
    int left = area.left();
    int top = area.top();
    int right = area.left() + area.width();
    int bottom = area.top() + area.height();

    auto docked = [this](int align, auto before) {
        QList<TRptElement*> list;
        for (TRptElement* e : elements_) {
            if (e->Align() == align) {
                list.append(e);
            }
        }
        std::stable_sort(list.begin(), list.end(), before);
        return list;
    };
    const auto byTop = [](TRptElement* a, TRptElement* b) { return a->Top() < b->Top(); };
    const auto byBottom = [](TRptElement* a, TRptElement* b) {
        return a->Top() + a->Height() > b->Top() + b->Height();
    };
    const auto byLeft = [](TRptElement* a, TRptElement* b) { return a->Left() < b->Left(); };
    const auto byRight = [](TRptElement* a, TRptElement* b) {
        return a->Left() + a->Width() > b->Left() + b->Width();
    };

    for (TRptElement* e : docked(alTop, byTop)) {
        e->SetBounds(QRect(left, top, qMax(0, right - left), e->Height()));
        top += e->Height();
    }
    for (TRptElement* e : docked(alBottom, byBottom)) {
        e->SetBounds(QRect(left, bottom - e->Height(), qMax(0, right - left), e->Height()));
        bottom -= e->Height();
    }
    for (TRptElement* e : docked(alLeft, byLeft)) {
        e->SetBounds(QRect(left, top, e->Width(), qMax(0, bottom - top)));
        left += e->Width();
    }
    for (TRptElement* e : docked(alRight, byRight)) {
        e->SetBounds(QRect(right - e->Width(), top, e->Width(), qMax(0, bottom - top)));
        right -= e->Width();
    }
    for (TRptElement* e : docked(alClient, byTop)) {
        e->SetBounds(QRect(left, top, qMax(0, right - left), qMax(0, bottom - top)));
    }
    aligning_ = false;
}

void TRptDesigner::MarginsChanged() {
    SetDirty(true);
    emit Changed();
    AlignElements();
}

// --- state ---------------------------------------------------------------------------------------

void TRptDesigner::SetDirty(bool value) {
    dirty_ = value;
    if (updateLock_ == 0) {
        emit OnReportDirty();
    }
}

void TRptDesigner::EndUpdate() {
    if (updateLock_ > 0) {
        --updateLock_;
    }
}

// --- elements ------------------------------------------------------------------------------------

void TRptDesigner::AddElement(TRptElement* element, int type) {
    emit OnElementAdded(this, element, type);
    elements_.append(element);
    if (element->IsMain()) {
        if (hasMainElement_) {
            element->SetMainFlag(false);
        } else {
            hasMainElement_ = true;
        }
    }
    if (element->Align() != alNone) {
        AlignElements();
    }
}

void TRptDesigner::RemoveElement(TRptElement* element, int type) {
    emit OnElementDelete(this, element, type);
    const qsizetype index = elements_.lastIndexOf(element);
    if (index >= 0) {
        elements_.remove(index);
    }
    if (element->IsMain()) {
        hasMainElement_ = false;
    }
}

void TRptDesigner::ClearElements() {
    const QList<TRptElement*> removed = elements_;
    for (qsizetype i = removed.size() - 1; i >= 0; --i) {
        RemoveElement(removed[i], ElementTypeOf(removed[i]));
    }
    // Freed first to last: an owner finds the first of its children at once, the last only
    // after a search through all of them.
    qDeleteAll(removed);
}

TRptElement* TRptDesigner::MainElement() const {
    for (TRptElement* e : elements_) {
        const int type = ElementTypeOf(e);
        if ((type == mmGrid || type == mmDoc) && e->IsMain()) {
            return e;
        }
    }
    return nullptr;
}

void TRptDesigner::BringToFront(TRptElement* element, bool front) {
    const qsizetype index = elements_.indexOf(element);
    if (index < 0) {
        return;
    }
    elements_.move(index, front ? elements_.size() - 1 : 0);
    SetDirty(true);
}

QString TRptDesigner::MakeElementName(const QString& className) {
    QString prefix = className;
    if (prefix.startsWith(QLatin1Char('T')) || prefix.startsWith(QLatin1Char('t'))) {
        prefix.remove(0, 1);
    }
    return names_.MakeName(prefix);
}

void TRptDesigner::childEvent(QChildEvent* event) {
    QObject* child = event->child();
    if (event->added()) {
        names_.Add(child, child->objectName());
        connect(child, &QObject::objectNameChanged, this, [this, child](const QString& name) {
            names_.Remove(child);
            names_.Add(child, name);
        });
    } else if (event->removed()) {
        names_.Remove(child);
        disconnect(child, &QObject::objectNameChanged, this, nullptr);
    }
    QObject::childEvent(event);
}

int TRptDesigner::ElementTypeOf(const QObject* object) {
    if (!object) {
        return mmNone;
    }
    const QMetaObject* meta = object->metaObject();
    if (meta == &TRptText::staticMetaObject) {
        return mmText;
    }
    if (meta == &TRptTable::staticMetaObject) {
        return mmGrid;
    }
    if (meta == &TRptImage::staticMetaObject) {
        return mmImage;
    }
    if (meta == &TRptRtf::staticMetaObject) {
        return mmDoc;
    }
    return mmNone;
}

QString TRptDesigner::ElementFriendlyName(const QString& name) {
    static const std::pair<const char*, const char*> kWords[] = {
        {"RptText", "文本"}, {"RptTable", "表格"}, {"RptImage", "图片"}, {"RptRtf", "文档"}};
    for (const auto& [word, friendly] : kWords) {
        const QString key = QLatin1String(word);
        const qsizetype at = name.indexOf(key);
        if (at >= 0) {
            return QString::fromUtf8(friendly) + name.mid(at + key.size());
        }
    }
    return {};
}

// --- design XML ----------------------------------------------------------------------------------

QString TRptDesigner::GetDesignXML() const {
    xml::Document doc;
    xml::Node root = doc.CreateElement(QStringLiteral("BVReport"));
    xml::SetAttr(root, "version", kVersion);
    xml::SetAttr(root, "Title", title_);
    xml::SetAttr(root, "PaperWidth", paperWidth_);
    xml::SetAttr(root, "PaperHeight", paperHeight_);
    xml::SetAttr(root, "PaperConst", static_cast<int>(paperConst_));
    xml::SetAttr(root, "Orientation", orientation_);
    if (pageMergeMode_ != pmmNone) {
        xml::SetAttr(root, "PageMergeMode", pageMergeMode_);
    }
    if (pageMergeOrient_ != 0) {
        xml::SetAttr(root, "PageMergeOrient", pageMergeOrient_);
    }
    if (pageMergeCount_ > 2) {
        xml::SetAttr(root, "PageMergeCount", pageMergeCount_);
    }
    if (pageMergeLine_ != 1) {
        xml::SetAttr(root, "PageMergeLine", static_cast<int>(pageMergeLine_));
    }
    xml::SetAttr(root, "LeftMargin", margins_->LeftMargin());
    xml::SetAttr(root, "TopMargin", margins_->TopMargin());
    xml::SetAttr(root, "RightMargin", margins_->RightMargin());
    xml::SetAttr(root, "BottomMargin", margins_->BottomMargin());
    xml::SetAttr(root, "MarginBind", margins_->Bind());
    xml::SetAttr(root, "MarginBindPos", margins_->BindPos());
    if (mainDocLarge_) {
        xml::SetBoolAttr(root, "MainDocLarge", true);
    }
    for (const TRptElement* element : elements_) {
        if (ElementTypeOf(element) == mmNone) {
            continue;
        }
        element->WriteXml(xml::AppendElement(root, element->XmlTag()));
    }
    if (!scriptCode_.isEmpty()) {
        xml::Node code = xml::AppendElement(xml::AppendElement(root, "Script"), "Code");
        xml::SetAttr(code, "Index", "0");
        if (scriptType_ != 0) {
            xml::SetAttr(code, "ScriptType", scriptType_);
        }
        xml::SetText(code, scriptCode_);
    }
    return xml::Serialize(root);
}

namespace {

// Restores the page's visibility and releases the update lock however loading ends.
class LoadScope {
public:
    explicit LoadScope(TRptDesigner& page)
        : page_(page), enabled_(page.Enabled()), visible_(page.Visible()) {
        page_.BeginUpdate();
        page_.SetVisible(false);
        page_.SetEnabled(false);
    }
    ~LoadScope() {
        page_.SetEnabled(enabled_);
        page_.SetVisible(visible_);
        page_.EndUpdate();
    }
    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;

private:
    TRptDesigner& page_;
    bool enabled_;
    bool visible_;
};

} // namespace

bool TRptDesigner::LoadDesignXML(const QString& text) {
    xml::Document doc;
    if (!doc.LoadXML(text)) {
        return false;
    }
    const xml::Node root = doc.Root();
    if (!root || std::strcmp(root.name(), "BVReport") != 0) {
        return false;
    }
    {
        LoadScope scope(*this);
        ClearElements();
        hasMainElement_ = false;
        ReadPageAttributes(root);
        loading_ = true;
        try {
            ReadElements(root);
        } catch (...) {
            loading_ = false;
            AlignElements();
            throw;
        }
        loading_ = false;
        AlignElements();
        scriptType_ = 0;
        scriptCode_.clear();
        if (const xml::Node code = xml::Child(xml::Child(root, "Script"), "Code")) {
            scriptType_ = IntAttrOr(code, "ScriptType", 0);
            scriptCode_ = xml::Text(code);
        }
        dirty_ = false;
    }
    return true;
}

void TRptDesigner::ReadPageAttributes(xml::Node root) {
    if (const auto title = xml::Attr(root, "Title")) {
        title_ = *title;
    }
    int width = paperWidth_;
    int height = paperHeight_;
    ReadIntAttr(root, "PaperWidth", width);
    ReadIntAttr(root, "PaperHeight", height);
    SetPaperSize(width, height);
    int paperConst = paperConst_;
    ReadIntAttr(root, "PaperConst", paperConst);
    paperConst_ = static_cast<quint16>(paperConst);
    orientation_ = IntAttrOr(root, "Orientation", poPortrait);
    pageMergeMode_ = IntAttrOr(root, "PageMergeMode", pmmNone);
    pageMergeOrient_ = IntAttrOr(root, "PageMergeOrient", 0);
    pageMergeCount_ = IntAttrOr(root, "PageMergeCount", 2);
    pageMergeLine_ = static_cast<quint8>(IntAttrOr(root, "PageMergeLine", 1));

    fileVersion_ = kVersion;
    if (const auto version = xml::Attr(root, "version")) {
        bool ok = false;
        const double value = version->toDouble(&ok);
        if (ok) {
            fileVersion_ = value;
        }
    }

    static const char* const kMargins[] = {"LeftMargin", "TopMargin", "RightMargin",
                                           "BottomMargin", "MarginBind"};
    std::vector<std::pair<int, int>> refused;
    for (int index = TSizeMargins::LeftIndex; index <= TSizeMargins::BindIndex; ++index) {
        if (const auto value = xml::Attr(root, kMargins[index])) {
            if (!margins_->SetValue(index, StrictInt(*value))) {
                refused.emplace_back(index, StrictInt(*value));
            }
        }
    }
    // A margin that fits the paper only with the margins read after it (a wide left margin
    // beside a narrow right one) is tried once more, so that saved margins survive a reload.
    for (const auto& [index, value] : refused) {
        margins_->SetValue(index, value);
    }
    if (const auto bindPos = xml::Attr(root, "MarginBindPos")) {
        margins_->SetBindPos(StrictInt(*bindPos));
    }
    mainDocLarge_ = IntAttrOr(root, "MainDocLarge", 0) != 0;
}

TRptElement* TRptDesigner::CreateElementFor(xml::Node node) {
    const QString tag = xml::NodeName(node).toLower();
    const QString id = xml::AttrOr(node, "ID");
    if (tag == QLatin1String("table")) {
        return new TRptTable(this);
    }
    if (tag == QLatin1String("div")) {
        if (id.contains(QLatin1String("RptRtf"))) {
            return new TRptRtf(this);
        }
        return new TRptText(this);
    }
    if (tag == QLatin1String("img")) {
        return new TRptImage(this);
    }
    return nullptr;
}

void TRptDesigner::ReadElements(xml::Node root) {
    for (const xml::Node node : xml::ChildElements(root)) {
        TRptElement* element = CreateElementFor(node);
        if (!element) {
            continue;
        }
        // A name already on the page (a file may repeat an ID) gets the next free one instead,
        // so that names stay unique.
        QString name = xml::AttrOr(node, "ID");
        if (name.isEmpty() || IsNameTaken(name)) {
            // The class name without its namespace: "TRptText".
            name = MakeElementName(QString::fromLatin1(element->metaObject()->className())
                                       .section(QLatin1String("::"), -1));
        }
        element->setObjectName(name);
        const int type = ElementTypeOf(element);
        try {
            element->ReadXml(node);
        } catch (...) {
            AddElement(element, type);
            throw;
        }
        AddElement(element, type);
    }
}

void TRptDesigner::SetScript(int type, const QString& code) {
    scriptType_ = type;
    scriptCode_ = code;
}

// --- provider ------------------------------------------------------------------------------------

void TRptDesigner::SetProvider(IRptDesignProvider* provider) {
    if (provider == provider_) {
        return;
    }
    try {
        if (provider_ && dirty_) {
            const QString design = GetDesignXML();
            if (!design.isEmpty()) {
                provider_->SetXML(design);
                if (provider_->State() == rpsUnspecial) {
                    provider_->SetState(rpsDirty);
                }
            }
        }
        provider_ = provider;
        if (provider_) {
            LoadDesignXML(provider_->XML());
            provider_->OpenUnparsedSources(false);
        }
    } catch (const std::exception&) {
        // A design that cannot be read completely leaves the page with what was read; the
        // designer shows it and the host can correct it.
    }
}

void TRptDesigner::SetShowSource(bool value) {
    showSource_ = value;
    if (!value && provider_) {
        provider_->OpenUnparsedSources(true);
    }
    emit Changed();
}

int TRptDesigner::GetPageInfo(int code) {
    return pageInfoHandler_ ? pageInfoHandler_->GetPageInfo(code) : 0;
}

QVariant TRptDesigner::GetRptSourceData(const QObject*, int, int dataType,
                                        const QString& dataSource, const QString& dataField,
                                        int formatType, const QString& format, int row,
                                        int subRow) {
    IRptSourcesValues* values = provider_ ? provider_->SourcesValues() : nullptr;
    if (!values) {
        return {};
    }
    return values->GetValue(dataType, dataSource, dataField, formatType, format, row, subRow,
                            this);
}

ValueLookup TRptDesigner::SourceDataLookup() {
    return [this](const QObject* element, int elementType, const ValueBinding& binding, int row,
                  int subRow) {
        return GetRptSourceData(element, elementType, binding.dataType, binding.dataSource,
                                binding.dataField, binding.formatType, binding.format, row,
                                subRow);
    };
}

// --- devices -------------------------------------------------------------------------------------

double TRptDesigner::DpiRate(const QPaintDevice* device) {
    for (const auto& [known, rate] : dpiRates_) {
        if (known == device) {
            return rate;
        }
    }
    double rate = 1.0;
    if (device) {
        // Logical and physical resolution differ by the device pixel ratio.
        if (device->devType() != QInternal::Printer && device->devicePixelRatio() > 0) {
            rate = device->devicePixelRatio();
        }
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        rate = screen->devicePixelRatio() > 0 ? screen->devicePixelRatio() : 1.0;
    }
    dpiRates_.emplace_back(device, rate);
    return rate;
}

void TRptDesigner::AdjustFontToDevice(RptFont& font, const QPaintDevice* device) {
    const int logical = device ? device->logicalDpiY() : ScreenPixelsPerInch();
    const double rate = DpiRate(device);
    if (font.pixelsPerInch != logical || rate != 1.0) {
        font.SetPixelsPerInch(rate != 1.0 ? RoundToInt(rate * logical) : logical);
    }
}

} // namespace vevezo
