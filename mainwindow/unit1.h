// The gate form: two flags with which forms that share one asynchronous request keep a
// refresh or a set from starting while another is outstanding. Never shown.
#pragma once

#include "platform/ui/forms.h"

class QzSNMPRequest2Controls;
struct QzSNMPError;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* Owner);
    ~TForm1() override;

    // True while no get (no set) is outstanding. They start true: nothing is outstanding
    // before the first request, so the first refresh is not held back.
    bool GetIdle = true;
    bool SetIdle = true;

    // Completion event of the gated requests: both flags true again.
    void RequestDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
};

extern TForm1* Form1;
