#include "forms/routing_security/aaatablewrite.h"

void ReadTable(QzSNMPRequest2Edits* request, TStatusBar* bar)
{
    try {
        request->Get();
    } catch (...) {
        ShowInPanel(bar, CurrentExceptionText());
    }
}

void WriteThenRead(QzSNMPRequest2Edits* request, TSavedAccessFlags& saved, TStatusBar* bar)
{
    try {
        request->Set(false, true);
        saved.Restore();
        request->Get();
    } catch (...) {
        saved.Restore();
        ShowInPanel(bar, CurrentExceptionText());
    }
}
