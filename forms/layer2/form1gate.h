// TForm1's two flags (no get outstanding, no set outstanding) held by one asynchronous request
// of a form. They are shared by every form that uses them: while one form's request holds
// them, the others' Refresh and Set do nothing. The holder opens them again whenever its
// request ends: a read that completes or fails, a write that fails, a request that ended
// without a completion event, and the form letting the request go.
//
//   Gate.Attach(Request);         // installs the completion events
//   if (!Gate.GetIdle()) return;  // another request holds the gate
//   Gate.HoldGet();
//   try { Request->Get(); } catch (...) { Gate.Open(); ... }
//   ...
//   ReleaseRequest(Request); Gate.Open();   // closing
#pragma once

class QzSNMPRequest2Controls;
struct QzSNMPError;

class TForm1Gate {
public:
    TForm1Gate() = default;
    ~TForm1Gate() { Open(); }
    TForm1Gate(const TForm1Gate&) = delete;
    TForm1Gate& operator=(const TForm1Gate&) = delete;

    // The request whose end opens the gate; its get-completion event becomes TForm1's
    // RequestDone (through this holder), and a failed write opens the gate too.
    void Attach(QzSNMPRequest2Controls* request);
    // The request is going: the gate no longer watches it (and opens if held).
    void Detach();

    // TForm1's flags, once a hold whose request has ended without telling is given back.
    // Without a TForm1 nothing is gated.
    bool GetIdle();
    bool BothIdle();
    // Clears the no-get flag (both flags) for a request about to start.
    void HoldGet();
    void HoldBoth();
    // Sets both flags again when this holder cleared them.
    void Open();
    bool Held() const { return held_; }

private:
    void GetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
    void SetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
    void OpenIfEnded();

    QzSNMPRequest2Controls* request_ = nullptr;
    bool held_ = false;
};
