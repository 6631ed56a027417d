// The generated configuration form of a table command: the one step of the table-command
// recipe that needs the configuration-form generator.
#pragma once

#include <memory>

#include "mainwindow/menucommands.h"
#include "mib/mibcatalog.h"
#include "platform/ui/forms.h"

// Builds the form of a table command into `form`, for the command to size, caption, show
// modally and delete. In this order:
//  - a TConfigForm owned by Application, put into `form` at once (so that the command releases
//    it whatever happens next), and a QzSNMPRequest2Edits owned by that form whose
//    variable list is assigned from a temporary QzSNMPVarList(table.table, table.listType,
//    table.keyCount);
//  - cmd.instance, when not null, becomes the variable list's instance (the port pop-up's
//    "<port>.<medium>": every OID is read and written with it);
//  - exSynchronous: the request becomes synchronous;
//  - the panel: AddEditorPanel(request) for mpEditor, AddListViewPanel(request,
//    table.add.column, table.add.label, table.remove.column, table.remove.label) for
//    mpListView;
//  - exNoEdit: the panel's button column hides its "Edit" button and calls ArrangeButtons;
//  - SetVarFormat(index, format) for each of table.formats, in order;
//  - exEditorWidth: the editor panel's SetEditWidth(ScaledSize(cmd.extraValue, scale));
//    exRowEditorWidth: the list-view panel's edits panel gets SetEditWidth(width of its first
//    row's input + ScaledSize(cmd.extraValue, scale), 2);
//    exPortEditorWidth: the editor panel's SetEditWidth(width of its first row's input +
//    ScaledSize(cmd.extraValue, scale)); the port pop-up widens the form by as much itself.
// The command itself adds the RMON close hook around the form's OnClose afterwards.
// scale is main.ScaleFactor. A failure raises; the command then releases what `form` holds.
void BuildTableForm(TMainForm& main, const TMenuCommand& cmd, const MibCommand& table,
                    std::unique_ptr<TForm>& form);

// What the table commands call: BuildTableForm, or a stand-in that a test puts here.
using TTableFormBuilder = void (*)(TMainForm& main, const TMenuCommand& cmd, const MibCommand& table,
                                   std::unique_ptr<TForm>& form);
extern TTableFormBuilder TableFormBuilder;
