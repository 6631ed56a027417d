// TConfigForm: the generic dialog of a MIB object, built at run time around one request by an
// editor panel (scalars) or a list-view panel (a table with Add, Edit and Delete).
//
//   auto* form = new TConfigForm(Application);
//   auto* request = new QzSNMPRequest2Edits(form);
//   request->Request.varList = QzSNMPVarList(table, MVT_FMV, 1);
//   form->AddListViewPanel(request, 6, "createAndGo", 6, "destroy");  // the form owns the request
//   form->SetCaption("System Log Server Table");
//   form->ShowModal();   // the first read runs once the modal loop does
//   delete form;
//
// Closing stops every request (its enabled flag cleared, messages processed until it is idle)
// and deletes it.
#pragma once

#include "configform/guigenerator.h"
#include "platform/ui/forms.h"

class QzSNMPRequest2Edits;

// Posted by the form to itself: the first refresh, once the modal loop runs.
enum : unsigned { WM_CONFIGFORM_REFRESH = WM_APP + 1234 };

class TConfigForm : public TForm {
public:
    explicit TConfigForm(TComponent* Owner);
    // Stops and deletes the requests that no close released.
    ~TConfigForm() override;

    void Dispatch(TMessage& Message) override;

    // One of them, once: a second call raises "Can not change Type of a Config Form!" and
    // leaves the request with the caller. Otherwise the form owns the request from here on.
    TSNMPEditorPanel* AddEditorPanel(QzSNMPRequest2Edits* request);
    // A status value is set only when given (null: no Add, no Delete).
    TSNMPListViewPanel* AddListViewPanel(QzSNMPRequest2Edits* request, int addColumn, const char* addValue,
                                         int deleteColumn, const char* deleteValue);

    void RefreshForm();
    void FormClose(TObject* Sender, TCloseAction& Action);

    unsigned char FormType = 0;  // 0 none yet, 1 editor, 2 list view
    TList* Requests;             // the requests the form owns, in the order given; null once closed
    QzSNMPRequest2Edits* CurrentRequest = nullptr;

private:
    void CheckType(unsigned char type);
    void ReleaseRequests();
    void Grow(TControl* panel);
    bool closing_ = false;
};
