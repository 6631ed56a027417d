// The main window's menu bar and port pop-up menu, and the recipes that run their commands.
#include <QPointer>
#include <cstdint>
#include <memory>

#include "mainwindow/featureforms.h"
#include "mainwindow/mainunit.h"
#include "mainwindow/menucommands.h"
#include "mainwindow/menutree.h"
#include "mainwindow/tableform.h"
#include "platform/os/process.h"
#include "platform/os/program.h"
#include "platform/ui/buttons.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmpsession.h"

namespace {

// An SNMPv1 connection reads with SNMPv2c while this lives; the version it found is put back
// however the command ends, so no later request goes out with the raised one.
class TSnmpV2cLift {
public:
    explicit TSnmpV2cLift(bool active) : active_(active), saved_(QzSNMPSecurity.version)
    {
        if (active_ && saved_ == 0) QzSNMPSecurity.version = 1;
    }
    ~TSnmpV2cLift()
    {
        if (active_) QzSNMPSecurity.version = saved_;
    }
    TSnmpV2cLift(const TSnmpV2cLift&) = delete;
    TSnmpV2cLift& operator=(const TSnmpV2cLift&) = delete;

private:
    bool active_;
    uint8_t saved_;
};

}  // namespace

AnsiString HelpFileName() { return AnsiString(ProgramDirectory()) + "VRX-6120.hlp"; }

void TMainForm::BuildMainMenu()
{
    BuildMenuItems(this, MainMenu1->Items(), MainMenuRows());
    PortInfoPopupMenu = new TPopupMenu(this);
    PortInfoPopupMenu->SetName("PortInfoPopupMenu");
    BuildMenuItems(this, PortInfoPopupMenu->Items(), PortPopupRows());

    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& cmd = MenuCommandAt(i);
        auto* item = dynamic_cast<TMenuItem*>(FindComponent(cmd.component));
        if (!item) throw Exception(AnsiString("No menu item for the command ") + cmd.component);
        item->OnClick = cmd.kind == ckSpecial ? TNotifyEvent(this, cmd.handler)
                                              : TNotifyEvent(this, &TMainForm::MenuCommandClick);
        // A feature form that is not there yet leaves its item disabled.
        if (cmd.kind == ckForm) item->SetEnabled(FindFeatureForm(cmd.component) != nullptr);
    }

    auto item = [this](const char* name) { return static_cast<TMenuItem*>(FindComponent(name)); };
    RefreshPanel1 = item("RefreshPanel1");
    RefreshPanel2 = item("RefreshPanel2");
    Statistics1 = item("Statistics1");
    History1 = item("History1");
    AlarmEvent1 = item("AlarmEvent1");
    Auth1 = item("Auth1");
    VACM1 = item("VACM1");
    PortInformation2 = item("PortInformation2");
    PortConfiguration1 = item("PortConfiguration1");
}

void TMainForm::MenuCommandClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    const TMenuCommand* cmd = item ? FindMenuCommand(item->Name()) : nullptr;
    if (!cmd) throw Exception("No command for this menu item");
    RunMenuCommand(*cmd);
}

void TMainForm::RunMenuCommand(const TMenuCommand& cmd)
{
    switch (cmd.kind) {
    case ckEditor:
    case ckListView:
        RunTableCommand(cmd);
        break;
    case ckForm:
        RunFormCommand(cmd);
        break;
    case ckModule:
        LaunchMibModule(cmd.target);
        break;
    case ckSpecial:
        (this->*cmd.handler)(FindComponent(cmd.component));
        break;
    }
}

void TMainForm::RunTableCommand(const TMenuCommand& cmd)
{
    const MibCommand* table = FindMibCommand(TableComponent(cmd));
    if (!table) throw Exception(AnsiString("No descriptor table for ") + cmd.component);
    if (cmd.extra == exStpVersionRefresh) RefreshStpVersion();

    // Declared before the form, so the form goes first and the version is put back after it.
    TSnmpV2cLift lift(cmd.extra == exSnmpV2c);
    NextFormCaption = table->caption;
    std::unique_ptr<TForm> form;
    TableFormBuilder(*this, cmd, *table, form);
    if (!form) throw Exception(AnsiString("No form for ") + cmd.component);
    if (cmd.extra == exRmonCloseHook) {
        // The form closes as it would, then the RMON items follow the state it may have set.
        TCloseEvent formClose = form->OnClose;
        form->OnClose = TCloseEvent(std::function<void(TObject*, TCloseAction&)>(
            [this, formClose](TObject* sender, TCloseAction& action) {
                formClose(sender, action);
                ApplyRmonMenuState();
            }));
    }
    TCommandLayout layout =
        ComputeCommandLayout(cmd, NextFormCaption, AgentAddress, ScaleFactor, form->Width(), form->Height());
    for (const TSizeAction& a : cmd.sizes) {
        if (a.dimension == 'H') form->SetHeight(layout.height);
        if (a.dimension == 'W') form->SetWidth(layout.width);
    }
    form->SetCaption(layout.caption);
    form->ShowModal();
    form.reset();
    if (cmd.extra == exDot1xMenuState) Apply8021xMenuState();
}

void TMainForm::RunFormCommand(const TMenuCommand& cmd)
{
    if (cmd.extra == exStpVersionRefresh) RefreshStpVersion();
    const TFeatureForm* feature = FindFeatureForm(cmd.component);
    if (!feature) throw Exception(AnsiString(cmd.target) + " is not available");

    // The global variable is cleared after the form is deleted, even when showing it raised.
    struct ClearGlobal {
        std::function<void(TForm*)> set;
        ~ClearGlobal()
        {
            if (set) set(nullptr);
        }
    } global{feature->setGlobal};
    std::unique_ptr<TForm> form(feature->create(Application));
    if (global.set) global.set(form.get());
    if (cmd.caption) form->SetCaption(RuleCaption(cmd.caption, cmd.captionRule, AgentAddress));
    form->ShowModal();
}

void TMainForm::Help2Click(TObject*)
{
    // The help file belongs to the host's installation; a missing one is only reported.
    std::string error;
    if (!OpenDocument(HelpFileName().std(), &error)) ShowStatus(error);
}

// The "Bridge" menu's own click: its sub-menu opens as any other.
void TMainForm::Bridge1Click(TObject*) {}

// The port pop-up's commands: the clicked port's row of a port table in a generated editor
// form, read and written at the port's instance.
struct TPortCommand {
    const char* component;       // the pop-up item
    const char* tableComponent;  // the port table whose columns after its index are shown
    const char* caption;
    int widthGrowth;             // added to the editor's inputs and to the form
};

namespace {

const TPortCommand kPortInformation = {"PortInformation2", "PortInformation1", "Port Information Table", 50};
const TPortCommand kPortConfiguration = {"PortConfiguration1", "PortControl1", "Port Configuration", 82};

}  // namespace

AnsiString PortFormCaption(const AnsiString& caption, const AnsiString& instance)
{
    const int dot = instance.Pos(".");
    if (dot == 0) return caption + " : " + instance;
    const AnsiString port = instance.SubString(1, dot - 1);
    const AnsiString medium = instance.SubString(dot + 1, 1);
    if (medium == "1") return caption + " : " + port + " , copper";
    if (medium == "2") return caption + " : " + port + " , fiber";
    return caption + " : " + port;
}

void TMainForm::RunPortCommand(const TPortCommand& pc)
{
    // Only a port button's pop-up names a port.
    auto* button = dynamic_cast<TSpeedButton*>(PortInfoPopupMenu->PopupComponent());
    if (!button) return;
    ReleaseAllPortButtons();
    button->SetDown(true);
    const AnsiString instance = button->Hint();
    NextFormCaption = pc.caption;

    const MibCommand* source = FindMibCommand(pc.tableComponent);
    if (!source) throw Exception(AnsiString("No descriptor table for ") + pc.component);
    const MibCommand table = {pc.component, pc.caption, source->table + source->keyCount, MVT_SV, 0, mpEditor,
                              {-1, nullptr}, {-1, nullptr}, nullptr};
    TMenuCommand cmd{pc.component, ckEditor};
    cmd.extra = exPortEditorWidth;
    cmd.extraValue = pc.widthGrowth;
    cmd.instance = instance.c_str();

    std::unique_ptr<TForm> form;
    TableFormBuilder(*this, cmd, table, form);
    if (!form) throw Exception(AnsiString("No form for ") + pc.component);
    form->SetWidth(form->Width() + ScaledSize(pc.widthGrowth, ScaleFactor));
    form->SetCaption(PortFormCaption(NextFormCaption, instance));
    QPointer<QWidget> alive(button);
    form->ShowModal();
    // The port stands out while its form is open, not after.
    if (alive) button->SetDown(false);
}

void TMainForm::PortInformation2Click(TObject*) { RunPortCommand(kPortInformation); }

void TMainForm::PortConfiguration1Click(TObject*) { RunPortCommand(kPortConfiguration); }
