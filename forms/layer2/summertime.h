// Daylight-saving settings of the switch: the mode (off, repeating by week and weekday, or
// annual dates), the offset, and the start and end of the chosen mode. The window is the
// configuration-form generator's editor panel over the summer-time scalars; the four start and
// end rows are replaced by rows of drop-down lists and small edits, each bound to one byte of
// the octet-string value.
#pragma once

#include "configform/guigenerator.h"
#include "forms/layer2/featureframe.h"

// The controls of one composite row: entry 0 the row's panel, then its part controls from
// left to right, each held as a TControl*. Owns nothing.
class TCtrlsList : public TList {};

class TSummerTimeForm : public TFeatureFormBase {
public:
    explicit TSummerTimeForm(TComponent* Owner);
    ~TSummerTimeForm() override;

    // Reads the status first, then the offset and the start and end of the mode read.
    void RefreshClick(TObject* Sender);
    // Checks the rows, then writes the status alone, then the offset and the current mode's rows.
    void SetCheckedClick(TObject* Sender);
    // The rows of the mode the status row shows; the others hidden and unchecked.
    void ShowSummerTimeRows();
    void FormClose(TObject* Sender, TCloseAction& Action);

    QzSNMPRequest2Edits* Request = nullptr;
    TSNMPEditorPanel* EditorPanel = nullptr;
    TCtrlsList* RepeatRows[2] = {};  // start, end
    TCtrlsList* AnnualRows[2] = {};  // start, end
    TNotifyEvent PanelSetCheckedClick;  // the editor panel's own, wrapped by SetCheckedClick

private:
    TComboBox* StatusBox() const;
    AnsiString StatusText() const;
    TCtrlsList* RowList(int row) const;
    void BuildRepeatingRow(int row);
    void BuildAnnualRow(int row);
    void StatusChange(TObject*) {}
    AnsiString CheckSummerTimeOffset() const;
    AnsiString CheckRepeatingTime() const;
    AnsiString CheckAnnualTime() const;
    void Read();  // a failure becomes the request's result line
    // The panel's own Set Checked over the objects not left out, when one of them is checked.
    void WriteChecked(TObject* Sender);
};
