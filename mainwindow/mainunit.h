// The module's main window: menu bar, the scroll box that holds the switch's front panel,
// the status bar whose panel 0 shows errors, and the connection settings the module was
// started with.
#pragma once

#include <vector>

#include "mainwindow/connection.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"

class QzSNMPRequest2Edits;
struct TMenuCommand;
struct TPortCommand;

// The command that starts one of the host application's module executables.
struct TModuleCommand {
    AnsiString Program;                 // the module name, found on PATH; empty when none
    std::vector<AnsiString> Arguments;  // each passed as one argument
};

class TMainForm : public TForm, public TConnectionFields {
public:
    // Reads the registry, the message files, the command line (ParamStr) and the device
    // settings file. EConvertError for a bad number there; the program entry shows it.
    explicit TMainForm(TComponent* Owner);
    ~TMainForm() override;

    // Screen scale: 1.0 at 96 dots per inch, else 1.25; feature forms read them.
    bool ScaleUp = false;
    float ScaleFactor = 1.0f;

    bool Activated = false;
    TList* PortButtons = nullptr;  // the front panel's port buttons (TSpeedButton*)
    TList* PanelForms = nullptr;   // the panel forms shown in ScrollBox1
    TForm* CurrentPanel = nullptr;
    QzSNMPRequest2Edits* RmonStateRequest = nullptr;
    QzSNMPRequest2Edits* StpVersionRequest = nullptr;
    QzSNMPRequest2Edits* Dot1xStateRequest = nullptr;

    // Where the module found its message files and the device settings file ("" for the
    // current directory).
    AnsiString ModuleDirectory;
    AnsiString SettingsDirectory;
    // The caption of the last table command's form.
    AnsiString NextFormCaption;

    // Components.
    TMainMenu* MainMenu1 = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    TStatusBar* StatusBar = nullptr;
    TStaticText* ST_RmonState = nullptr;
    TStaticText* ST_STPVersion = nullptr;
    TStaticText* ST_8021xStatus = nullptr;
    TMenuItem* RefreshPanel1 = nullptr;
    TMenuItem* RefreshPanel2 = nullptr;
    TMenuItem* Statistics1 = nullptr;
    TMenuItem* History1 = nullptr;
    TMenuItem* AlarmEvent1 = nullptr;
    TMenuItem* Auth1 = nullptr;
    TMenuItem* VACM1 = nullptr;
    TPopupMenu* PortInfoPopupMenu = nullptr;
    TMenuItem* PortInformation2 = nullptr;
    TMenuItem* PortConfiguration1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void RefreshPanel1Click(TObject* Sender);

    // Menu commands. Every item with a command record gets MenuCommandClick, which runs the
    // sender's record; the special commands have handlers of their own.
    void MenuCommandClick(TObject* Sender);
    void RunMenuCommand(const TMenuCommand& cmd);
    // A generated configuration form over the command's descriptor table, shown modally and
    // deleted. The version raised for an SNMPv2c command is back when it returns or raises.
    void RunTableCommand(const TMenuCommand& cmd);
    // The registered feature form of the item, shown modally and deleted; Exception when none
    // is registered.
    void RunFormCommand(const TMenuCommand& cmd);
    void Help2Click(TObject* Sender);
    void Bridge1Click(TObject* Sender);
    // The port pop-up: the port's information or configuration row in an editor form.
    void PortInformation2Click(TObject* Sender);
    void PortConfiguration1Click(TObject* Sender);
    void RunPortCommand(const TPortCommand& command);
    // Reads the spanning-tree version into ST_STPVersion; a failure goes to status panel 0.
    void RefreshStpVersion();
    // Closes and deletes every panel form, then empties PanelForms.
    void ClearPanels();

    // The status requests and the menu items that follow the device's state.
    void CreateStatusRequests();
    void StopStatusRequests();
    void ApplyRmonMenuState();
    void Apply8021xMenuState();

    // The front panel in ScrollBox1 and its port buttons.
    void CreateFrontPanel();
    void AttachPortPopup();
    void AttachPortButtonClick();
    // A port button's click releases every other port button; the clicked one keeps its state.
    void PortButtonClick(TObject* Sender);
    void ReleaseAllPortButtons();

    // Module launcher: starts the host's module executable for a table argument such as
    // "/TMIB_Info" with this module's connection switches. The installation check writes
    // "No Path!" or "OpenView : File Path Error!" into status panel 0 but never stops it.
    void LaunchMibModule(const AnsiString& tableArgument);
    TModuleCommand BuildModuleCommandLine(const AnsiString& tableArgument);

    // Puts a text into status panel 0.
    void ShowStatus(const AnsiString& text);

private:
    void BuildLayout();
    void BuildMainMenu();
    bool ReadStatus(QzSNMPRequest2Edits* request);
    void Construct();
    void ShowPanelAndMenuStates();
    void Shutdown();
};

extern TMainForm* MainForm;

// A port form's caption from its instance: "Port Configuration : 21 , fiber" for "21.2".
AnsiString PortFormCaption(const AnsiString& caption, const AnsiString& instance);

// The help file beside the program: "VRX-6120.hlp" in the program's directory.
AnsiString HelpFileName();

// The connection switches for a module executable (no registry check, no window):
// program = the text between "/T" and the first "_" of the argument.
TModuleCommand ModuleCommandFor(const TConnectionFields& fields, const AnsiString& tableArgument);
