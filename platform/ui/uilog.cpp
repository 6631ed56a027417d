#include "platform/ui/uilog.h"

Q_LOGGING_CATEGORY(lcUi, "vrx6120.ui", QtInfoMsg)
