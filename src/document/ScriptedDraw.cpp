#include "document/ScriptedDraw.h"

#include "common/Messages.h"
#include "document/RptDesigner.h"

namespace vevezo {

namespace {

ScriptedDrawer* installed = nullptr;

QString EngineIdentifier(int language) {
    return language == 1 ? QStringLiteral("JScript") : QStringLiteral("VBScript");
}

} // namespace

std::optional<ElementScript> SelectElementScript(const QString& scriptProc, int ownType,
                                                 const QString& ownCode, const TRptDesigner* page) {
    ElementScript script;
    const qsizetype colon = scriptProc.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        // The number before the colon only marks the report's script.
        script.procedure = scriptProc.mid(colon + 1);
        if (page) {
            script.language = page->ScriptType();
            script.text = page->ScriptCode();
        }
    } else {
        script.procedure = scriptProc;
        script.language = ownType;
        script.text = ownCode;
    }
    if (script.text.isEmpty()) {
        return std::nullopt;
    }
    return script;
}

void InstallScriptedDrawer(ScriptedDrawer* drawer) {
    installed = drawer;
}

ScriptedDrawResult ScriptedDraw(const ScriptedDrawRequest& request) {
    if (installed) {
        return installed->Run(request);
    }
    ScriptedDrawResult result;
    result.errors =
        QString::fromUtf8(msg::ScriptEngineMissing).arg(EngineIdentifier(request.script.language));
    return result;
}

QString ScriptErrorText(const QString& errors) {
    return QString::fromUtf8(msg::ScriptErrorValue) + errors;
}

} // namespace vevezo
