// The catalog of table commands: for every menu item that opens a generated configuration
// form, the descriptor table it shows and how the form's panel is set up. The menu commands
// read these records; nothing here builds a form.
#pragma once

#include "snmpvars/uisnmpvar.h"

enum MibPanelKind { mpEditor = 0, mpListView = 1 };

// The row-status value a list view writes on Add or Delete: the variable index of the status
// column and the option label to write. column -1 (label null): the list view has no such button.
struct MibStatusValue {
    int column;
    const char* label;
};

// An edit-constraint format for the edit of one variable; lists end with a null format.
struct MibVarFormat {
    int index;
    const char* format;
};

struct MibCommand {
    const char* component;        // menu item component name, e.g. "DeviceInformation1"
    const char* caption;          // form caption
    const UISnmpVar* table;       // descriptor table, ended by a null OID
    int listType;                 // QzListType
    int keyCount;                 // leading index columns
    MibPanelKind panel;           // editor or list view
    MibStatusValue add;           // list views only
    MibStatusValue remove;        // list views only
    const MibVarFormat* formats;  // in calling order; null when none
};

// The table commands, menu by menu.
int MibCommandCount();
const MibCommand& MibCommandAt(int index);  // 0 .. MibCommandCount()-1
// The command of a menu item component (exact name), or null.
const MibCommand* FindMibCommand(const char* component);
int CountMibFormats(const MibVarFormat* formats);
