#include "mainwindow/tableform.h"

#include "configform/guiconfigform.h"
#include "mainwindow/mainunit.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmprequest2edits.h"

TTableFormBuilder TableFormBuilder = BuildTableForm;

void BuildTableForm(TMainForm& main, const TMenuCommand& cmd, const MibCommand& table, std::unique_ptr<TForm>& form)
{
    auto* configForm = new TConfigForm(Application);
    form.reset(configForm);

    // The request belongs to this function until the form takes it over.
    auto request = std::make_unique<QzSNMPRequest2Edits>(configForm);
    {
        QzSNMPVarList list(table.table, static_cast<unsigned char>(table.listType), table.keyCount);
        request->Request.varList = list;
    }
    if (cmd.instance) request->Request.varList.instance = cmd.instance;
    if (cmd.extra == exSynchronous) request->Mode = 0;

    QzSNMPRequest2Edits* r = request.get();
    TSNMPEditorPanel* panel = nullptr;
    try {
        if (table.panel == mpEditor) {
            panel = configForm->AddEditorPanel(r);
        } else {
            panel = configForm->AddListViewPanel(r, table.add.column, table.add.label, table.remove.column,
                                                 table.remove.label);
        }
    } catch (...) {
        if (configForm->Requests && configForm->Requests->IndexOf(r) >= 0) request.release();
        throw;
    }
    request.release();

    if (cmd.extra == exNoEdit) {
        panel->BtnPanel->EditBtn->Hide();
        panel->BtnPanel->ArrangeButtons();
    }
    if (table.formats)
        for (const MibVarFormat* f = table.formats; f->format; ++f) panel->SetVarFormat(f->index, f->format);
    if (cmd.extra == exEditorWidth) {
        panel->SetEditWidth(ScaledSize(cmd.extraValue, main.ScaleFactor));
    } else if (cmd.extra == exRowEditorWidth) {
        TEditsPanel* edits = panel->EditsPanel;
        const int first = edits->RowCount() > 0 ? edits->RowInput(0)->Width() : 0;
        edits->SetEditWidth(first + ScaledSize(cmd.extraValue, main.ScaleFactor), 2);
    } else if (cmd.extra == exPortEditorWidth) {
        TEditsPanel* edits = panel->EditsPanel;
        const int first = edits->RowCount() > 0 ? edits->RowInput(0)->Width() : 0;
        panel->SetEditWidth(first + ScaledSize(cmd.extraValue, main.ScaleFactor));
    }
}
