#include "mainwindow/statusvars.h"

#include "common/qzoptionlist.h"

namespace {

const QzOptionEntry kStpVersion[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
QzOptionList StpVersionOptions(kStpVersion);
const QzOptionEntry kDot1xState[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
QzOptionList Dot1xStateOptions(kDot1xState);

}  // namespace

extern const UISnmpVar StpVersionVars[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "STP Version", sxInteger, acReadWrite, &StpVersionOptions},
    {nullptr},
};

extern const UISnmpVar Dot1xStateVars[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", sxInteger, acReadWrite, &Dot1xStateOptions},
    {nullptr},
};
