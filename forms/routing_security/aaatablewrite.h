// The read and the partial write of the AAA table forms, with their failures in panel 0 of the
// form's status bar.
#pragma once

#include "forms/layer2/featureframe.h"

// Reads the table again.
void ReadTable(QzSNMPRequest2Edits* request, TStatusBar* bar);
// Set (no refresh, values from the controls) without the objects the saver left out, then
// every flag back and the table read again; the flags are back however it ended.
void WriteThenRead(QzSNMPRequest2Edits* request, TSavedAccessFlags& saved, TStatusBar* bar);
