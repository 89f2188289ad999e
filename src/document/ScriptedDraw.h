#pragma once

#include "document/ValueBinding.h"
#include "pages/PixelRect.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace vevezo {

class Canvas;
class IRptDesignProvider;
class IRptPageInfoEnumerator;
class TRptDesigner;

// The script an element's drawing runs: a language (0 VBScript, 1 JScript), the script text and
// the procedure to call (none: the text runs as a whole).
struct ElementScript {
    int language = 0;
    QString text;
    QString procedure;
};

// The script a procedure setting selects. "n:Name" calls Name in the report's script (the page's;
// nothing without a page); anything else names a procedure of the element's own script. Nothing
// when the selected script text is empty.
std::optional<ElementScript> SelectElementScript(const QString& scriptProc, int ownType,
                                                 const QString& ownCode, const TRptDesigner* page);

// One element drawing handed to a script.
struct ScriptedDrawRequest {
    ElementScript script;
    QVariant value;
    ValueBinding binding;
    PixelRect rect; // inside border and padding, device pixels
    Canvas* canvas = nullptr;
    double scaleX = 1.0;
    double scaleY = 1.0;
    QObject* element = nullptr;
    TRptDesigner* page = nullptr;
    IRptDesignProvider* provider = nullptr;
    IRptPageInfoEnumerator* pageInfo = nullptr;
};

// What the script decided.
struct ScriptedDrawResult {
    // The script drew the element itself: the element draws nothing of its own value.
    bool breakDrawing = true;
    // Everything the run reported, lines joined with CR LF.
    QString errors;
    // The value the script gave the element, when it gave one.
    std::optional<QVariant> value;
};

// Runs element drawing scripts: builds the drawing object the script sees as "Drawer", runs the
// script and reads back its decision.
class ScriptedDrawer {
public:
    virtual ~ScriptedDrawer() = default;
    virtual ScriptedDrawResult Run(const ScriptedDrawRequest& request) = 0;
};

// Installs the drawer elements use (none: scripts cannot run). The caller keeps it alive while
// it is installed.
void InstallScriptedDrawer(ScriptedDrawer* drawer);

// Runs the request through the installed drawer. Without one no script engine exists: the
// script's errors say so, Break stays set and the value is unchanged.
ScriptedDrawResult ScriptedDraw(const ScriptedDrawRequest& request);

// The text an element shows for a script that failed after giving the drawing back to it.
QString ScriptErrorText(const QString& errors);

} // namespace vevezo
