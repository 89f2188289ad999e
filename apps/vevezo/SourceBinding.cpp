#include "SourceBinding.h"

#include "common/Error.h"

namespace vevezo::cli {

bool ParseSourceOption(const QString& text, SourceOption& option) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0) {
        return false;
    }
    option = {text.left(equals), text.mid(equals + 1)};
    return true;
}

void BindSources(TRptDSOs& sources, const QString& connection, const QList<SourceOption>& options) {
    if (options.isEmpty()) {
        return;
    }
    sources.AddSystemSource();
    sources.SetConnectionString(connection);
    const bool hadMain = sources.MainIndex() >= 0;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const int existing = sources.IndexOf(options[i].name);
        TRptDSO* source = existing >= 0 ? sources.Items(existing) : sources.Add();
        const bool wasMain = source->IsMain();
        source->SetData(QVariant()); // closes what the source held
        source->SetDataName(options[i].name);
        source->SetSource(options[i].command);
        source->SetDataType(rptDSdb);
        source->Open();
        if (!source->Parsed()) {
            throw Error(QStringLiteral("数据源 %1 未能打开。").arg(options[i].name));
        }
        source->SetIsMain(wasMain || (i == 0 && !hadMain));
    }
}

} // namespace vevezo::cli
