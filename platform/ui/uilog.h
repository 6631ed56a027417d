// The diagnostic log of the windows, category "vrx6120.ui": failures the windows deliberately
// pass over (a medium or LED read of the front panel, a picture or glyph file that does not
// load). Off unless turned on (QT_LOGGING_RULES="vrx6120.ui.debug=true").
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcUi)
