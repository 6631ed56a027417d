#include "forms/layer2/igmprouterportsunit.h"

#include "mib/configsnoopingforms.h"

TIGMPRouterPortsForm* IGMPRouterPortsForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name            parent          left top    w    h  align
    {"TMemo",        "Memo1",        nullptr,          0,   0,   0,  60, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",       "Panel1",       nullptr,          0,   0,   0,  40, alBottom, "", nullptr, rfBevelNone},
    {"TButton",      "btnGet",       "Panel1",       400,   8,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnSet",       "Panel1",       490,   8,  75,  25, alNone, "Set"},
    {"TListView",    "ListView1",    nullptr,          0,   0,   0, 150, alTop},
    {"TPanel",       "Panel2",       nullptr,          0,   0,   0,  34, alTop, "", nullptr, rfBevelNone},
    {"TLabel",       "Label1",       "Panel2",         8,  10,  50,  16, alNone, "Vlan ID"},
    {"TStaticText",  "stVlanID",     "Panel2",        70,   8,  80,  20, alNone, "", nullptr, rfSunken},
    {"TPageControl", "PageControl1", nullptr,          0,   0,   0,   0, alClient},
    {"TTabSheet",    "tbsStatic",    "PageControl1",   0,   0,   0,   0, alNone, "Static ports", nullptr, rfActive},
    {"TScrollBox",   "ScrollBox1",   "tbsStatic",      0,   0,   0,   0, alClient},
    {"TTabSheet",    "tbsDynamic",   "PageControl1",   0,   0,   0,   0, alNone, "Dynamic Ports"},
    {"TScrollBox",   "ScrollBox2",   "tbsDynamic",     0,   0,   0,   0, alClient},
    {"TTabSheet",    "tbsForbidden", "PageControl1",   0,   0,   0,   0, alNone, "Forbidden Ports"},
    {"TScrollBox",   "ScrollBox3",   "tbsForbidden",   0,   0,   0,   0, alClient},
    {nullptr},
};
const TResForm kLayout = {"IGMPRouterPortsForm", "IGMP Router ports", 600, 520, poMainFormCenter, bsSizeable, kComponents};

}  // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(TComponent* Owner) : TRouterPortsFormBase(Owner, kLayout, swL2IGMPRouterPortsEntry, MVT_FMV) {}
