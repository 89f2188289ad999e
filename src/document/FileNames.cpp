#include "document/FileNames.h"

namespace vevezo {

QString StripQuotes(const QString& commandLine) {
    QStringView name = commandLine;
    if (name.startsWith(u'"')) {
        name = name.mid(1);
    }
    if (name.endsWith(u'"')) {
        name.chop(1);
    }
    return name.toString();
}

ReportSetFileForm FileFormForName(const QString& fileName) {
    // The extension is what follows the last dot of the last path component.
    const qsizetype slash = fileName.lastIndexOf(u'/');
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QStringView extension = dot > slash ? QStringView(fileName).mid(dot + 1) : QStringView();
    if (extension.compare(QLatin1String("rpp"), Qt::CaseInsensitive) == 0) {
        return ReportSetFileForm::XmlText;
    }
    if (extension.compare(QLatin1String("zrp"), Qt::CaseInsensitive) == 0) {
        return ReportSetFileForm::Compressed;
    }
    return ReportSetFileForm::HtmlPage;
}

} // namespace vevezo
